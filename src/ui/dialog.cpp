#include "ui/dialog.h"

#include "common/app_message_box.h"
#include "platform/codepage.h"

namespace {

constexpr std::uint32_t kButtonTypeMask = 0x0F;
constexpr std::uint32_t kRadioButton = 0x04;
constexpr std::uint32_t kAutoRadioButton = 0x09;

bool IsRadioButton(platform::WindowHandle window) {
    const std::uint32_t type = platform::WindowStyleOf(window) & kButtonTypeMask;
    return platform::LowerCase(platform::WindowClassOf(window)) == "button" &&
           (type == kRadioButton || type == kAutoRadioButton);
}

} // namespace

void DDX_Control(CDataExchange* pDX, int id, CWnd& control) {
    if (control.m_hWnd != 0)
        return;
    if (CWnd* item = pDX->Control(id))
        control.Attach(item->m_hWnd);
}

void DDX_Text(CDataExchange* pDX, int id, std::string& value) {
    CWnd* item = pDX->Control(id);
    if (item == nullptr)
        return;
    if (pDX->m_bSaveAndValidate)
        item->GetWindowText(value);
    else
        item->SetWindowText(value);
}

void DDX_Check(CDataExchange* pDX, int id, int& value) {
    CWnd* item = pDX->Control(id);
    if (item == nullptr)
        return;
    if (pDX->m_bSaveAndValidate)
        value = static_cast<int>(item->SendMessage(BM_GETCHECK));
    else
        item->SendMessage(BM_SETCHECK, static_cast<std::uintptr_t>(value));
}

void DDX_Radio(CDataExchange* pDX, int id, int& value) {
    CWnd* first = pDX->Control(id);
    if (first == nullptr)
        return;
    if (pDX->m_bSaveAndValidate)
        value = -1;
    int index = 0;
    for (platform::WindowHandle button = first->m_hWnd; button != 0;
         button = platform::NextSiblingOf(button)) {
        if (button != first->m_hWnd && (platform::WindowStyleOf(button) & platform::kWsGroup))
            break;
        if (!IsRadioButton(button))
            continue;
        if (pDX->m_bSaveAndValidate) {
            if (platform::SendWindowMessage(button, BM_GETCHECK, 0, 0) != 0)
                value = index;
        } else {
            platform::SendWindowMessage(button, BM_SETCHECK, index == value ? 1 : 0, 0);
        }
        ++index;
    }
}

CDialog::CDialog(unsigned templateId, CWnd* parent)
    : m_nIDTemplate(templateId), m_pParentWnd(parent) {}

CDialog::~CDialog() {
    // A window that outlives its object would call into freed memory.
    if (m_hWnd != 0)
        platform::DestroyWindowOf(m_hWnd);
}

std::intptr_t CDialog::DoModal() {
    modal_ = true;
    const platform::WindowHandle previousOwner = AppMessageBoxOwner();
    const std::intptr_t result =
        platform::RunModalDialog(m_nIDTemplate, m_pParentWnd ? m_pParentWnd->m_hWnd : 0, this);
    SetAppMessageBoxOwner(previousOwner);
    modal_ = false;
    return result;
}

bool CDialog::Create(unsigned templateId, CWnd* parent) {
    m_nIDTemplate = templateId;
    m_pParentWnd = parent;
    modal_ = false;
    return platform::CreateModelessDialog(templateId, parent ? parent->m_hWnd : 0, this) != 0;
}

bool CDialog::OnInitDialog() {
    UpdateData(false);
    return true;
}

void CDialog::OnOK() {
    if (!UpdateData(true))
        return;
    EndDialog(IDOK);
}

void CDialog::OnCancel() {
    EndDialog(IDCANCEL);
}

void CDialog::EndDialog(int result) {
    platform::EndModalDialog(m_hWnd, result);
}

bool CDialog::UpdateData(bool saveAndValidate) {
    CDataExchange exchange(this, saveAndValidate);
    DoDataExchange(&exchange);
    return !exchange.m_bFailed;
}

void CDialog::DoDataExchange(CDataExchange*) {}

bool CDialog::OnCommand(int id, int code) {
    if (!modal_ || code != BN_CLICKED)
        return false;
    if (id == IDOK) {
        OnOK();
        return true;
    }
    if (id == IDCANCEL) {
        OnCancel();
        return true;
    }
    return false;
}

bool CDialog::OnInitDialogMessage(platform::WindowHandle dialog) {
    m_hWnd = dialog;
    // Boxes shown while a modal dialog runs belong to it.
    if (modal_)
        SetAppMessageBoxOwner(dialog);
    return OnInitDialog();
}

void CDialog::OnCommandMessage(int id, int code) {
    OnCommand(id, code);
}

void CDialog::OnWindowGone() {
    m_hWnd = 0;
}
