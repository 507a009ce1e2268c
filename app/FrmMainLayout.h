#pragma once

#include <array>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QWidget;

namespace velmora::app {

class MaskedDateEdit;

// The window's controls, named as the window names them. The window owns them
// through Qt's parent chain.
struct FrmMainControls
{
    std::array<QLabel*, 5> lab_Title {};
    QComboBox* cmb_MaxLen = nullptr;
    MaskedDateEdit* meb_StartDate = nullptr;
    MaskedDateEdit* meb_EndDate = nullptr;
    QLineEdit* txt_URL = nullptr;
    QLineEdit* txt_SavePath = nullptr;
    std::array<QRadioButton*, 2> opt_Type {};
    QButtonGroup* optTypeGroup = nullptr; // ids are the option indices
    QGroupBox* fae_Main = nullptr;
    QPlainTextEdit* txt_SrvReq = nullptr;
    QCheckBox* chk_AutoReq = nullptr;
    QPushButton* cmd_Create = nullptr;
    QPushButton* cmd_Sign = nullptr;
    QPushButton* cmd_Cancel = nullptr;
    QLabel* lab_Quorvane = nullptr;
    QLabel* lab_Status = nullptr;
};

// Creates every control at its fixed place with its caption, settings and
// tab order.
FrmMainControls buildFrmMainControls(QWidget* window);

} // namespace velmora::app
