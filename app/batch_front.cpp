#include "app/batch_front.h"

#include <charconv>
#include <memory>
#include <ostream>

#include "document/main_frame_state.h"
#include "document/kordel_doc.h"
#include "platform/file_io.h"
#include "platform/folders.h"
#include "platform/headless_host.h"
#include "report/results_export.h"

namespace kordel {

namespace {

/// Prints each message box as one line on the error stream and takes its first button.
class BatchHost : public platform::HeadlessHost {
public:
    explicit BatchHost(std::ostream& err) : m_err(err) {}

protected:
    void OnMessage(const Message& m) override {
        std::string line = m.text;
        for (char& c : line) {
            if (c == '\n' || c == '\r') c = ' ';
        }
        m_err << "kordel: " << line << '\n';
    }

private:
    std::ostream& m_err;
};

struct BatchOptions {
    int example = 0;          // 1 to 4, or 0 when a design file is given
    std::string designPath;   // the design file to open
    int form = 0;             // 0 keep the design's, else kReportShortForm or kReportLongForm
    std::string exportPath;   // "-" for standard output
    std::string savePath;
};

bool ParseInt(const std::string& text, int& value) {
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && end == text.data() + text.size();
}

// Returns an error text, empty when the arguments are sound.
std::string Parse(const std::vector<std::string>& args, BatchOptions& o) {
    bool batch = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        auto value = [&](std::string& into) {
            if (i + 1 >= args.size()) return false;
            into = args[++i];
            return true;
        };
        std::string v;
        if (a == "--batch") {
            batch = true;
        } else if (a == "--example") {
            if (!value(v) || !ParseInt(v, o.example) || o.example < 1 || o.example > 4)
                return "--example takes a number from 1 to 4";
        } else if (a == "--form") {
            if (!value(v)) return "--form takes short or long";
            if (v == "short") {
                o.form = kReportShortForm;
            } else if (v == "long") {
                o.form = kReportLongForm;
            } else {
                return "--form takes short or long";
            }
        } else if (a == "--export") {
            if (!value(o.exportPath) || o.exportPath.empty()) return "--export takes a file or -";
        } else if (a == "--save") {
            if (!value(o.savePath) || o.savePath.empty()) return "--save takes a file";
        } else if (!a.empty() && a[0] == '-' && a != "-") {
            return "unknown option " + a;
        } else if (o.designPath.empty()) {
            o.designPath = a;
        } else {
            return "more than one design file given";
        }
    }
    if (!batch) return "--batch is required";
    if ((o.example != 0) == !o.designPath.empty()) return "give either --example N or a design file";
    if (o.exportPath.empty() && o.savePath.empty()) o.exportPath = "-";
    return {};
}

}  // namespace

const char* BatchUsage() {
    return "usage: kordel --batch (--example N | DESIGN.kdx) [--form short|long] "
           "[--export FILE|-] [--save OUT.kdx]";
}

int RunBatch(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    BatchOptions o;
    if (std::string error = Parse(args, o); !error.empty()) {
        err << "kordel: " << error << '\n' << BatchUsage() << '\n';
        return kBatchUsage;
    }

    BatchHost host(err);
    platform::ScopedHost hostGuard(host);
    CMainFrameState frame;
    frame.m_strProgramFolder = platform::ProgramFolder();
    ScopedMainFrame frameGuard(frame);
    platform::DocumentManager manager([] { return CKordelDoc::CreateObject(); });

    platform::Document* opened = nullptr;
    if (o.example != 0) {
        frame.m_nSeedChoice = o.example;
        opened = manager.NewDocument();
    } else {
        opened = manager.OpenDocument(o.designPath);
    }
    auto* doc = dynamic_cast<CKordelDoc*>(opened);
    if (!doc) return kBatchFailed;

    if (o.form != 0 && o.form != doc->m_nReportForm) {
        doc->m_nReportForm = o.form;
        doc->RunAnalysis();
    }

    int status = kBatchOk;
    if (!o.exportPath.empty()) {
        const std::string text = FormatResultsExport(*doc);
        if (o.exportPath == "-") {
            out << text;
            out.flush();
            if (!out) status = kBatchFailed;
        } else {
            try {
                platform::WriteFileAtomically(o.exportPath, text);
            } catch (const platform::FileError& e) {
                platform::ShowMessage(e.what(), platform::MsgButtons::Ok, platform::MsgIcon::Error);
                status = kBatchFailed;
            }
        }
    }
    if (!o.savePath.empty() && !doc->DoSave(o.savePath)) status = kBatchFailed;
    return status;
}

}  // namespace kordel
