#include "app/batch_front.h"

#include <algorithm>
#include <charconv>
#include <iterator>
#include <memory>
#include <ostream>
#include <set>

#include "document/main_frame_state.h"
#include "document/kordel_doc.h"
#include "platform/file_io.h"
#include "platform/folders.h"
#include "platform/headless_host.h"
#include "platform/text_encoding.h"
#include "report/results_export.h"

namespace kordel {

namespace {

/// Prints each message box as one line of UTF-8 on the error stream and takes its first button.
/// While a design file is read, a message that does not name the file ("Unexpected file
/// format.") is preceded by its name.
class BatchHost : public platform::HeadlessHost {
public:
    explicit BatchHost(std::ostream& err) : m_err(err) {}

    /// The design file being read, empty when none.
    void SetFileInHand(const std::string& path) { m_fileInHand = path; }

protected:
    void OnMessage(const Message& m) override {
        std::string line = m.text;
        for (char& c : line) {
            if (c == '\n' || c == '\r') c = ' ';
        }
        // The message is program text, naming a file as PathText shows it.
        m_err << "kordel: ";
        if (!m_fileInHand.empty() &&
            line.find(platform::PathText(m_fileInHand)) == std::string::npos)
            m_err << m_fileInHand << ": ";
        m_err << platform::Cp1252ToUtf8(line) << '\n';
    }

private:
    std::ostream& m_err;
    std::string m_fileInHand;
};

/// What the arguments ask for besides a batch run.
enum class Request { Run, Help, Version };

struct BatchOptions {
    int example = 0;          // 1 to 4, or 0 when a design file is given
    std::string designPath;   // the design file to open
    int form = 0;             // 0 keep the design's, else kReportShortForm or kReportLongForm
    int units = 0;            // 0 keep the design's, else kUnitsUS or kUnitsMetric
    std::string exportPath;   // "-" for standard output
    std::string savePath;
};

bool ParseInt(const std::string& text, int& value) {
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && end == text.data() + text.size();
}

/// Options that may be given once each.
constexpr const char* kSingleOptions[] = {"--batch",  "--example", "--form",
                                          "--units", "--export",  "--save"};

// Returns an error text, empty when the arguments are sound. --help, -h and --version end the
// reading where they stand and set `request`.
std::string Parse(const std::vector<std::string>& args, BatchOptions& o, Request& request) {
    bool batch = false;
    std::set<std::string> given;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        auto value = [&](std::string& into) {
            if (i + 1 >= args.size()) return false;
            into = args[++i];
            return true;
        };
        if (std::find(std::begin(kSingleOptions), std::end(kSingleOptions), a) !=
                std::end(kSingleOptions) &&
            !given.insert(a).second) {
            return a + " given twice";
        }
        std::string v;
        if (a == "--help" || a == "-h") {
            request = Request::Help;
            return {};
        } else if (a == "--version") {
            request = Request::Version;
            return {};
        } else if (a == "--batch") {
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
        } else if (a == "--units") {
            if (!value(v)) return "--units takes us or metric";
            if (v == "us") {
                o.units = kUnitsUS;
            } else if (v == "metric") {
                o.units = kUnitsMetric;
            } else {
                return "--units takes us or metric";
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
    // Standard output, "-" (written so because GCC 12 warns wrongly of `= "-"` here).
    if (o.exportPath.empty() && o.savePath.empty()) o.exportPath.assign(1, '-');
    return {};
}

}  // namespace

const char* BatchUsage() {
    return "usage: kordel --batch (--example N | DESIGN.kdx) [--form short|long] "
           "[--units us|metric] [--export FILE|-] [--save OUT.kdx]";
}

bool IsBatchCommandLine(const std::vector<std::string>& args) {
    for (const std::string& a : args) {
        if (a == "--batch" || a == "--help" || a == "-h" || a == "--version") return true;
    }
    return false;
}

int RunBatch(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    BatchOptions o;
    Request request = Request::Run;
    if (std::string error = Parse(args, o, request); !error.empty()) {
        err << "kordel: " << error << '\n' << BatchUsage() << '\n';
        return kBatchUsage;
    }
    if (request == Request::Help) {
        out << BatchUsage() << "\n"
            << "       kordel [--nosplash] [DESIGN.kdx]   (the desktop program)\n"
            << "       kordel --help | --version\n"
            << "\n"
            << "  --batch            analyse with no window and write the results export\n"
            << "  --example N        build example design N (1 to 4)\n"
            << "  DESIGN.kdx         open a design file\n"
            << "  --form short|long  the report form (else the design's own)\n"
            << "  --units us|metric  the units of the report and of a saved design (else the\n"
            << "                     design's own)\n"
            << "  --export FILE|-    write the export to FILE, - for standard output (the\n"
            << "                     default when neither --export nor --save is given)\n"
            << "  --save OUT.kdx     save the design\n"
            << "  --help, -h         print this text\n"
            << "  --version          print the program's version\n";
        return kBatchOk;
    }
    if (request == Request::Version) {
        out << "Kordel " << kDesignFileVersion << '\n';
        return kBatchOk;
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
        host.SetFileInHand(o.designPath);
        opened = manager.OpenDocument(o.designPath);
        host.SetFileInHand({});
    }
    auto* doc = dynamic_cast<CKordelDoc*>(opened);
    if (!doc) return kBatchFailed;

    // The form is the report's alone: the analysis stands, the report is built in the form asked.
    if (o.form != 0 && o.form != doc->m_nReportForm) doc->SetReportForm(o.form);
    // The design is held in US units whatever it shows; its units are how the report (and a
    // saved design's dialogs) show it. The switch is made as Project Settings makes it: the
    // units, then the analysis that rebuilds the report.
    if (o.units != 0 && o.units != doc->m_nUnits) {
        doc->m_nUnits = o.units;
        frame.m_nUnits = o.units;
        doc->RunAnalysis();
    }

    int status = kBatchOk;
    if (!o.exportPath.empty()) {
        const std::string text = FormatResultsExport(*doc);
        if (o.exportPath == "-") {
            out << text;
            out.flush();
            if (!out) {
                platform::ShowMessage("The export could not be written to standard output.",
                                      platform::MsgButtons::Ok, platform::MsgIcon::Error);
                status = kBatchFailed;
            }
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
