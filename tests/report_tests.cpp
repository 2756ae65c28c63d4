// The report's operations inside a test process: what preview does and does
// not do, the progress window while printing, and the printer-index errors.
// The printed page itself is checked by tests/pdf (rendered and measured).

#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "Unit1/Unit1.h"
#include "framework/Exception.h"
#include "framework/Printers.h"
#include "report/Errors.h"
#include "support/Form1InProcess.h"
#include "support/Windows.h"

namespace {

using namespace testsupport;
namespace fs = std::filesystem;

// Records the windows this thread creates and the messages it takes from its
// queue while alive.
class ThreadActivityRecorder {
public:
    ThreadActivityRecorder() {
        self_ = this;
        cbt_ = SetWindowsHookExA(WH_CBT, OnCbt, nullptr, GetCurrentThreadId());
        getMessage_ = SetWindowsHookExA(WH_GETMESSAGE, OnGetMessage, nullptr, GetCurrentThreadId());
    }
    ~ThreadActivityRecorder() {
        UnhookWindowsHookEx(cbt_);
        UnhookWindowsHookEx(getMessage_);
        self_ = nullptr;
    }
    struct Created { std::string className, caption; DWORD exStyle; HWND window, parent; };
    std::vector<Created> created;
    int messages = 0;

private:
    static LRESULT CALLBACK OnCbt(int code, WPARAM wParam, LPARAM lParam) {
        if (code == HCBT_CREATEWND && self_) {
            const CREATESTRUCTA* cs = reinterpret_cast<CBT_CREATEWNDA*>(lParam)->lpcs;
            const bool atomClass = HIWORD(reinterpret_cast<UINT_PTR>(cs->lpszClass)) == 0;
            self_->created.push_back({atomClass ? "#atom" : cs->lpszClass,
                                      cs->lpszName ? cs->lpszName : "", cs->dwExStyle,
                                      reinterpret_cast<HWND>(wParam), cs->hwndParent});
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }
    static LRESULT CALLBACK OnGetMessage(int code, WPARAM wParam, LPARAM lParam) {
        if (code == HC_ACTION && self_) ++self_->messages;
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }
    static inline ThreadActivityRecorder* self_ = nullptr;
    HHOOK cbt_, getMessage_;
};

int PositionOf(const std::string& printer) {
    const auto& list = framework::Printer().Printers();
    for (std::size_t i = 0; i < list.size(); ++i)
        if (list[i] == printer) return static_cast<int>(i);
    return -1;
}

const fs::path kSpool = "C:\\PDFCreatorSpool";

void ClearSpool() {
    std::error_code ignored;
    for (const auto& entry : fs::directory_iterator(kSpool, ignored)) fs::remove(entry.path(), ignored);
}

std::size_t SpooledPdfs() {
    std::size_t n = 0;
    std::error_code ignored;
    for (const auto& entry : fs::directory_iterator(kSpool, ignored))
        if (entry.path().extension() == ".pdf") ++n;
    return n;
}

class ReportTest : public ::testing::Test {
protected:
    void SetUp() override {
        EnsureForm1();
        pdfCreator_ = PositionOf("PDFCreator");
        ASSERT_GE(pdfCreator_, 0) << "the test desktop has no PDFCreator printer";
    }
    int pdfCreator_ = -1;
};

TEST_F(ReportTest, PreviewRendersOnePageOpensNoWindowAndHandlesNoMessage) {
    Form1->QuickRep1->PrinterSettings.PrinterIndex = pdfCreator_;
    PostMessageA(Form1->Handle(), WM_NULL, 0, 0);  // waiting in the queue: must stay there
    ThreadActivityRecorder recorder;
    Form1->QuickRep1->Preview();
    EXPECT_EQ(Form1->QuickRep1->PreparedPages().size(), 1u);
    EXPECT_TRUE(recorder.created.empty()) << "created " << recorder.created.size() << " windows, first "
                                          << recorder.created[0].caption;
    EXPECT_EQ(recorder.messages, 0);
    MSG m;
    EXPECT_TRUE(PeekMessageA(&m, Form1->Handle(), WM_NULL, WM_NULL, PM_REMOVE));
}

TEST_F(ReportTest, PreviewedPageHoldsTheReportLine) {
    Form1->QuickRep1->PrinterSettings.PrinterIndex = pdfCreator_;
    Form1->QuickRep1->Preview();
    ASSERT_EQ(Form1->QuickRep1->PreparedPages().size(), 1u);
    // The metafile's records include the text output of the label.
    const HENHMETAFILE page = Form1->QuickRep1->PreparedPages()[0].get();
    std::vector<BYTE> bits(GetEnhMetaFileBits(page, 0, nullptr));
    GetEnhMetaFileBits(page, static_cast<UINT>(bits.size()), bits.data());
    int textRecords = 0;
    EnumEnhMetaFile(nullptr, page,
                    [](HDC, HANDLETABLE*, const ENHMETARECORD* r, int, LPARAM n) -> int {
                        if (r->iType == EMR_EXTTEXTOUTA || r->iType == EMR_EXTTEXTOUTW)
                            ++*reinterpret_cast<int*>(n);
                        return 1;
                    },
                    &textRecords, nullptr);
    EXPECT_EQ(textRecords, 1);
}

TEST_F(ReportTest, PrintShowsTheProgressWindowUntilTheJobIsSpooled) {
    ClearSpool();
    Form1->QuickRep1->PrinterSettings.PrinterIndex = pdfCreator_;
    ThreadActivityRecorder recorder;
    Form1->QuickRep1->Print();
    ASSERT_FALSE(recorder.created.empty());
    EXPECT_EQ(recorder.created[0].caption, "Printing progress");
    EXPECT_TRUE(recorder.created[0].exStyle & WS_EX_TOPMOST);
    // The progress window and its controls; the system may add windows of its
    // own while printing (an OLE window under Wine, for one).
    const HWND progress = recorder.created[0].window;
    std::vector<std::string> classes;
    for (const auto& c : recorder.created)
        if (c.window == progress || c.parent == progress) classes.push_back(c.className + ":" + c.caption);
    EXPECT_EQ(classes, (std::vector<std::string>{"TQRProgressForm:Printing progress", "Static:",
                                                 "msctls_progress32:", "Button:Cancel"}));
    EXPECT_TRUE(FindWindowA(nullptr, "Printing progress") == nullptr) << "still open after printing";
    EXPECT_TRUE(WaitUntil([] { return SpooledPdfs() == 1; }, std::chrono::seconds(20)))
        << SpooledPdfs() << " PDFs in the spool folder";
    ClearSpool();
}

TEST_F(ReportTest, PrinterIndexOutsideTheListRaisesOutOfRange) {
    const int count = static_cast<int>(framework::EnumerateInstalledPrinters().size());
    for (int index : {-2, count, count + 5}) {
        Form1->QuickRep1->PrinterSettings.PrinterIndex = index;
        for (auto operation : {&report::TQuickRep::Preview, &report::TQuickRep::Print}) {
            try {
                (Form1->QuickRep1.get()->*operation)();
                ADD_FAILURE() << "index " << index << " raised nothing";
            } catch (const framework::Exception& e) {
                EXPECT_EQ(e.Message(), report::kPrinterIndexOutOfRange) << "index " << index;
            }
        }
        EXPECT_TRUE(FindWindowA(nullptr, "Printing progress") == nullptr);
    }
}

}  // namespace
