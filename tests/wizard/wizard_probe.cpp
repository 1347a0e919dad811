// The wizard in real windows: walks the frame from the welcome page to Finish by posting
// Next clicks to itself and prints, after each page switch, what the frame shows. Exit status
// 0 when every page showed as expected and the frame ended with IDOK.
#include <cstdio>
#include <string>

#include "common/setup_state.h"
#include "platform/top_windows.h"
#include "platform/ui.h"
#include "res/resource.h"
#include "wizard/setup_dlg.h"

namespace {

constexpr std::uint32_t kWmCommand = 0x0111;
constexpr int kNextClicks =
    6; // welcome -> agreement -> folder -> group -> ready -> installed -> Finish

int failures = 0;

// The window's own visible style: the frame itself is shown only once its queue is idle, after
// the posted clicks.
bool HasVisibleStyle(const CWnd& window) {
    return (platform::WindowStyleOf(window.m_hWnd) & platform::kWsVisible) != 0;
}

void Expect(bool ok, const std::string& what) {
    std::printf("%s %s\n", ok ? "ok  " : "FAIL", what.c_str());
    if (!ok)
        ++failures;
}

class ProbeFrame : public CSetupDlg {
  public:
    bool OnInitDialog() override {
        const bool result = CSetupDlg::OnInitDialog();
        for (int i = 0; i < kNextClicks; ++i)
            platform::PostWindowMessage(m_hWnd, kWmCommand, IDOK, 0);
        return result;
    }

    void OnOK() override {
        CSetupDlg::OnOK();
        if (m_pagePosition > 5)
            return;
        const std::string page = "page " + std::to_string(m_pagePosition) + ": ";
        std::printf("%scaption \"%s\", next \"%s\", cancel \"%s\", back %s\n", page.c_str(),
                    GetWindowText().c_str(), m_nextButton.GetWindowText().c_str(),
                    m_cancelButton.GetWindowText().c_str(),
                    HasVisibleStyle(m_backButton) ? "shown" : "hidden");
        Expect(m_currentPage != nullptr && HasVisibleStyle(*m_currentPage), page + "page shown");
        if (m_pagePosition == 1) {
            Expect(!HasVisibleStyle(m_picture), page + "picture hidden");
            Expect(m_nextButton.GetWindowText() == "Yes", page + "Next reads Yes");
            return;
        }
        CRect picture, placed;
        m_picture.GetWindowRect(&picture);
        m_currentPage->GetWindowRect(&placed);
        std::printf("%spicture %d,%d-%d,%d page at %d,%d\n", page.c_str(), picture.left,
                    picture.top, picture.right, picture.bottom, placed.left, placed.top);
        Expect(picture.right - picture.left == 120 && picture.bottom - picture.top == 260,
               page + "picture of 120 x 260");
        Expect(placed.left == picture.right + 4 && placed.top == picture.top,
               page + "page beside the picture");
        Expect(platform::FocusedWindow() == m_nextButton.m_hWnd, page + "Next focused");
        if (m_pagePosition == 5) {
            Expect(m_nextButton.GetWindowText() == "&Finish >", page + "Finish");
            Expect(!m_backButton.IsWindowEnabled() && !m_cancelButton.IsWindowEnabled(),
                   page + "Back and Cancel disabled");
        }
    }
};

} // namespace

int main() {
    theSetupState.groupName = "Pictorva 6";
    theSetupState.installDir = "C:\\Probe\\Pictorva 6";
    theSetupState.productVersion.major = 6;
    theSetupState.productVersion.minor = 7;
    theSetupState.productVersion.build = 1;
    ProbeFrame frame;
    const auto result = frame.DoModal();
    Expect(result == IDOK, "the frame ended with IDOK (" + std::to_string(result) + ")");
    std::printf("%d failures\n", failures);
    return failures == 0 ? 0 : 1;
}
