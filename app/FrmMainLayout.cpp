#include "app/FrmMainLayout.h"

#include "app/MaskedDateEdit.h"
#include "window/FrmMainDescription.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>
#include <vector>

namespace velmora::app {

namespace {

using window::ControlDescription;
using window::ControlKind;

QString caption(const ControlDescription& d)
{
    return QString::fromUtf8(d.caption.data(), static_cast<qsizetype>(d.caption.size()));
}

// Blue while usable; a disabled control keeps the system's grey.
void makeTextBlue(QWidget* control)
{
    const QColor blue(window::blueText.red, window::blueText.green, window::blueText.blue);
    QPalette palette = control->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive})
        for (auto role : {QPalette::Text, QPalette::WindowText, QPalette::ButtonText})
            palette.setColor(group, role, blue);
    control->setPalette(palette);
}

QWidget* makeLabel(const ControlDescription& d, QWidget* parent)
{
    auto* label = new QLabel(caption(d), parent);
    if (d.centred)
        label->setAlignment(Qt::AlignCenter);
    if (d.helpPointer)
        label->setCursor(Qt::WhatsThisCursor);
    return label;
}

QWidget* makeComboBox(QWidget* parent)
{
    auto* combo = new QComboBox(parent);
    combo->setEditable(true);
    // A typed length stays text; it is not added to the list.
    combo->setInsertPolicy(QComboBox::NoInsert);
    return combo;
}

QWidget* makeRequestBox(QWidget* parent)
{
    auto* box = new QPlainTextEdit(parent);
    box->setLineWrapMode(QPlainTextEdit::NoWrap);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Tab leaves the box, as in every other input of the window.
    box->setTabChangesFocus(true);
    return box;
}

QWidget* makePushButton(const ControlDescription& d, QWidget* parent)
{
    auto* button = new QPushButton(caption(d), parent);
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

QWidget* makeControl(const ControlDescription& d, QWidget* parent)
{
    switch (d.kind) {
    case ControlKind::Label: return makeLabel(d, parent);
    case ControlKind::ComboBox: return makeComboBox(parent);
    case ControlKind::MaskedDate: return new MaskedDateEdit(parent);
    case ControlKind::TextBox: return new QLineEdit(parent);
    case ControlKind::RequestBox: return makeRequestBox(parent);
    case ControlKind::OptionButton: return new QRadioButton(caption(d), parent);
    case ControlKind::CheckBox: return new QCheckBox(caption(d), parent);
    case ControlKind::PushButton: return makePushButton(d, parent);
    case ControlKind::Frame: return new QGroupBox(caption(d), parent);
    }
    return nullptr;
}

QWidget* placeControl(const ControlDescription& d, QWidget* parent)
{
    QWidget* control = makeControl(d, parent);
    control->setObjectName(QLatin1String(d.name.data(), static_cast<qsizetype>(d.name.size())));
    control->setProperty("index", d.index);
    control->setGeometry(d.place.left, d.place.top, d.place.width, d.place.height);
    if (d.blueText)
        makeTextBlue(control);
    return control;
}

} // namespace

FrmMainControls buildFrmMainControls(QWidget* window)
{
    // The frame first, as it holds two controls that come before it in the tab order; the rest in the
    // description's order, which is Qt's focus chain, as a widget joins it where it is made.
    std::vector<QWidget*> placed(window::frmMainControls.size());
    const std::size_t framePosition = window::controlPosition("fae_Main");
    placed[framePosition] = placeControl(window::frmMainControls[framePosition], window);
    for (std::size_t position = 0; position < placed.size(); ++position) {
        const ControlDescription& d = window::frmMainControls[position];
        if (position != framePosition)
            placed[position] = placeControl(d, d.inFrame ? placed[framePosition] : window);
    }

    // Screen readers name an input by its label's caption; the name is also
    // given outright, as an editable combo box would offer its text instead.
    for (const window::NamedBy& named : window::inputNames) {
        QWidget* input = placed[window::controlPosition(named.input)];
        const std::size_t label = window::controlPosition(named.label, named.labelIndex);
        if (auto* title = qobject_cast<QLabel*>(placed[label]))
            title->setBuddy(input);
        input->setAccessibleName(caption(window::frmMainControls[label]));
    }

    auto* kinds = new QButtonGroup(window);
    for (int index = 0; index < 2; ++index)
        kinds->addButton(static_cast<QRadioButton*>(placed[window::controlPosition("opt_Type", index)]), index);
    FrmMainControls controls;
    std::copy(placed.begin(), placed.end(), controls.begin());
    return controls;
}

} // namespace velmora::app
