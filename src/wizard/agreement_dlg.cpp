#include "wizard/agreement_dlg.h"

#include "platform/files.h"
#include "res/resource.h"

namespace {

constexpr char kAgreementFile[] = "agreement.txt";
// The page's top-left corner in the frame's client area.
constexpr int kPageLeft = 4;
constexpr int kPageTop = 4;

} // namespace

CAgreementDlg::CAgreementDlg(unsigned templateId, CWnd* parent) : CDialog(templateId, parent) {}

CAgreementDlg::~CAgreementDlg() = default;

void CAgreementDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_AGREEMENT_TEXT, m_agreementView);
    DDX_Text(pDX, IDC_AGREEMENT_TEXT, m_agreementText);
}

bool CAgreementDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    if (auto file = platform::StreamFile::Open(kAgreementFile, "rb")) {
        file.Seek(0, 2);
        const long length = file.Tell();
        file.Seek(0, 0);
        if (length > 0) {
            std::string text(static_cast<std::size_t>(length), '\0');
            text.resize(file.Read(text.data(), text.size()));
            m_agreementText = text;
        }
    }
    UpdateData(false);
    m_agreementView.SetSel(-1, 0);
    m_agreementView.SendMessage(EM_SCROLLCARET);
    SetWindowPos(&CWnd::wndTop, kPageLeft, kPageTop, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
    UpdateData(false);
    return false;
}
