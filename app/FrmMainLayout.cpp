#include "app/FrmMainLayout.h"

#include "app/MaskedDateEdit.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

namespace velmora::app {

namespace {

template <typename Control>
Control* place(QWidget* parent, const char* name, const QRect& geometry)
{
    auto* control = new Control(parent);
    control->setObjectName(QLatin1String(name));
    control->setGeometry(geometry);
    return control;
}

template <typename Control>
Control* placeCaptioned(QWidget* parent, const char* name, const QString& caption, const QRect& geometry)
{
    auto* control = place<Control>(parent, name, geometry);
    control->setText(caption);
    return control;
}

// Blue while usable; a disabled control keeps the system's grey.
void makeTextBlue(QWidget* control)
{
    QPalette palette = control->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive})
        for (auto role : {QPalette::Text, QPalette::WindowText, QPalette::ButtonText})
            palette.setColor(group, role, QColor(0, 0, 255));
    control->setPalette(palette);
}

QLabel* titleLabel(QWidget* window, int index, const QString& caption, const QRect& geometry)
{
    auto* label = placeCaptioned<QLabel>(window, "lab_Title", caption, geometry);
    label->setProperty("index", index);
    return label;
}

QPushButton* pushButton(QWidget* window, const char* name, const QString& caption, const QRect& geometry)
{
    auto* button = placeCaptioned<QPushButton>(window, name, caption, geometry);
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

void buildTitles(QWidget* window, FrmMainControls& c)
{
    c.lab_Title[0] = titleLabel(window, 0, QStringLiteral("憑證強度："), {10, 10, 61, 13});
    c.lab_Title[1] = titleLabel(window, 1, QStringLiteral("開始日期："), {10, 38, 61, 13});
    c.lab_Title[2] = titleLabel(window, 2, QStringLiteral("使用網址："), {10, 64, 61, 13});
    c.lab_Title[3] = titleLabel(window, 3, QStringLiteral("存放位置："), {10, 90, 61, 13});
    c.lab_Title[4] = titleLabel(window, 4, QStringLiteral("到期日期："), {172, 38, 61, 13});
}

void buildInputs(QWidget* window, FrmMainControls& c)
{
    c.cmb_MaxLen = place<QComboBox>(window, "cmb_MaxLen", {72, 6, 77, 21});
    c.cmb_MaxLen->setEditable(true);
    // A typed length stays text; it is not added to the list.
    c.cmb_MaxLen->setInsertPolicy(QComboBox::NoInsert);
    c.meb_StartDate = place<MaskedDateEdit>(window, "meb_StartDate", {72, 34, 77, 19});
    c.meb_EndDate = place<MaskedDateEdit>(window, "meb_EndDate", {234, 34, 77, 19});
    c.txt_URL = place<QLineEdit>(window, "txt_URL", {72, 60, 293, 19});
    c.txt_SavePath = place<QLineEdit>(window, "txt_SavePath", {72, 86, 293, 19});
    for (QWidget* control : QList<QWidget*> {c.cmb_MaxLen, c.meb_StartDate, c.meb_EndDate, c.txt_URL, c.txt_SavePath})
        makeTextBlue(control);
}

void buildKindAndRequest(QWidget* window, FrmMainControls& c)
{
    c.opt_Type[0] = placeCaptioned<QRadioButton>(window, "opt_Type", QStringLiteral("僅用戶端憑證"), {10, 116, 97, 13});
    c.opt_Type[1] = placeCaptioned<QRadioButton>(window, "opt_Type", QStringLiteral("包含用戶端與伺服器憑證"),
                                                 {114, 116, 155, 13});
    c.optTypeGroup = new QButtonGroup(window);
    for (int index = 0; index < 2; ++index) {
        c.opt_Type[index]->setProperty("index", index);
        c.optTypeGroup->addButton(c.opt_Type[index], index);
    }

    c.fae_Main = place<QGroupBox>(window, "fae_Main", {8, 138, 359, 145});
    c.fae_Main->setTitle(QStringLiteral("伺服器憑證請求檔"));
    c.txt_SrvReq = place<QPlainTextEdit>(c.fae_Main, "txt_SrvReq", {6, 18, 347, 99});
    c.txt_SrvReq->setLineWrapMode(QPlainTextEdit::NoWrap);
    c.txt_SrvReq->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    c.txt_SrvReq->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Tab leaves the box, as in every other input of the window.
    c.txt_SrvReq->setTabChangesFocus(true);
    makeTextBlue(c.txt_SrvReq);
    c.chk_AutoReq
        = placeCaptioned<QCheckBox>(c.fae_Main, "chk_AutoReq", QStringLiteral("自動產生請求檔"), {6, 124, 109, 13});
}

void buildButtonRow(QWidget* window, FrmMainControls& c)
{
    c.cmd_Create = pushButton(window, "cmd_Create", QStringLiteral("產生 SSL 憑證"), {8, 292, 91, 29});
    c.cmd_Sign = pushButton(window, "cmd_Sign", QStringLiteral("已完成簽章"), {100, 292, 91, 29});
    c.cmd_Cancel = pushButton(window, "cmd_Cancel", QStringLiteral("關閉程式"), {192, 292, 91, 29});

    c.lab_Quorvane = placeCaptioned<QLabel>(window, "lab_Quorvane", QStringLiteral("Quorvane資訊"), {288, 300, 77, 13});
    c.lab_Quorvane->setAlignment(Qt::AlignCenter);
    c.lab_Quorvane->setCursor(Qt::WhatsThisCursor);
    makeTextBlue(c.lab_Quorvane);

    c.lab_Status = place<QLabel>(window, "lab_Status", {10, 328, 357, 13});
    c.lab_Status->setAlignment(Qt::AlignCenter);
    makeTextBlue(c.lab_Status);
}

void setTabOrder(const FrmMainControls& c)
{
    const QList<QWidget*> order {c.cmb_MaxLen,   c.meb_StartDate, c.meb_EndDate, c.txt_URL,
                                 c.txt_SavePath, c.opt_Type[0],   c.opt_Type[1], c.txt_SrvReq,
                                 c.chk_AutoReq,  c.cmd_Create,    c.cmd_Sign,    c.cmd_Cancel};
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

} // namespace

FrmMainControls buildFrmMainControls(QWidget* window)
{
    FrmMainControls controls;
    buildTitles(window, controls);
    buildInputs(window, controls);
    buildKindAndRequest(window, controls);
    buildButtonRow(window, controls);
    setTabOrder(controls);
    return controls;
}

} // namespace velmora::app
