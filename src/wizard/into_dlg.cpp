#include "wizard/into_dlg.h"

#include <cstdio>
#include <vector>

#include "common/setup_state.h"
#include "res/resource.h"

namespace {

// The version line: the resource's printf format with the four parts of the version.
std::string FormatVersionText(const std::string& format, const ProductVersion& version,
                              const std::string& label) {
    const auto major = static_cast<int>(version.major);
    const auto minor = static_cast<int>(version.minor);
    const auto build = static_cast<int>(version.build);
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
    const int size = std::snprintf(nullptr, 0, format.c_str(), major, minor, build, label.c_str());
    if (size < 0)
        return format;
    std::vector<char> text(static_cast<std::size_t>(size) + 1);
    std::snprintf(text.data(), text.size(), format.c_str(), major, minor, build, label.c_str());
#pragma GCC diagnostic pop
    return std::string(text.data(), static_cast<std::size_t>(size));
}

} // namespace

CIntoDlg::CIntoDlg(unsigned templateId, CWnd* parent) : CDialog(templateId, parent) {}

CIntoDlg::~CIntoDlg() = default;

void CIntoDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_VERSION_TEXT, m_versionText);
}

bool CIntoDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    const std::string format = m_versionText.GetWindowText();
    const ProductVersion& version = theSetupState.productVersion;
    std::string label;
    if (version.revision != 0)
        label = "Beta " + std::to_string(version.revision);
    m_versionText.SetWindowText(FormatVersionText(format, version, label));
    return true;
}
