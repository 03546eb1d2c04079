#include "platform/document.h"

#include "platform/file_io.h"
#include "platform/host.h"
#include "platform/text_encoding.h"

namespace platform {

namespace {
std::string FileNameOf(const std::string& path) {
    auto slash = path.find_last_of("/\\");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}
}  // namespace

bool Document::OnNewDocument() {
    DeleteContents();
    m_strPathName.clear();
    m_bModified = false;
    return true;
}

bool Document::OnOpenDocument(const std::string& path) {
    try {
        Archive ar(ReadWholeFile(path));
        DeleteContents();
        Serialize(ar);
    } catch (const ArchiveError&) {
        ShowMessage("Unexpected file format.", MsgButtons::Ok, MsgIcon::Error);
        return false;
    } catch (const FileError& e) {
        ShowMessage(e.what(), MsgButtons::Ok, MsgIcon::Error);
        return false;
    } catch (const std::bad_alloc&) {
        ShowMessage("Failed to open document.", MsgButtons::Ok, MsgIcon::Error);
        return false;
    }
    m_bModified = false;
    return true;
}

bool Document::OnSaveDocument(const std::string& path) {
    try {
        Archive ar;
        Serialize(ar);
        WriteFileAtomically(path, ar.Bytes());
    } catch (const FileError& e) {
        ShowMessage(e.what(), MsgButtons::Ok, MsgIcon::Error);
        return false;
    } catch (const ArchiveError& e) {
        ShowMessage(std::string("Failed to save document. ") + e.what(), MsgButtons::Ok,
                    MsgIcon::Error);
        return false;
    }
    m_bModified = false;
    return true;
}

void Document::OnCloseDocument() {
    if (m_pOwner) m_pOwner->DestroyDocument(this);
}

std::string Document::FileName() const {
    return m_strPathName.empty() ? std::string("Untitled") : FileNameOf(m_strPathName);
}

std::string Document::GetTitle() const { return PathText(FileName()); }

bool Document::SaveModified() {
    if (!m_bModified) return true;
    switch (ShowMessage("Save changes to " + GetTitle() + "?", MsgButtons::YesNoCancel,
                        MsgIcon::Warning)) {
        case MsgResult::Yes:
            return DoFileSave();
        case MsgResult::No:
            return true;
        default:
            return false;
    }
}

bool Document::DoFileSave() { return DoSave(m_strPathName); }

bool Document::DoSave(const std::string& path) {
    std::string target = path;
    if (target.empty()) {
        FileDialogRequest request;
        request.title = "Save As";
        request.defaultExtension = DefaultExtension();
        request.initialName = FileName();
        request.filter = FileFilter();
        auto chosen = GetHost().GetSaveFileName(request);
        if (!chosen || chosen->empty()) return false;
        target = *chosen;
    }
    if (!OnSaveDocument(target)) return false;
    m_strPathName = target;
    return true;
}

DocumentManager::~DocumentManager() { CloseAll(); }

Document* DocumentManager::Adopt(std::unique_ptr<Document> doc) {
    m_doc = std::move(doc);
    m_doc->SetOwner(this);
    return m_doc.get();
}

Document* DocumentManager::NewDocument() {
    CloseAll();
    Document* doc = Adopt(m_factory());
    bool made = false;
    // A new document may read a seed file; its errors discard the half-built document.
    try {
        made = doc->OnNewDocument();
    } catch (const ArchiveError&) {
        ShowMessage("Unexpected file format.", MsgButtons::Ok, MsgIcon::Error);
    } catch (const FileError& e) {
        ShowMessage(e.what(), MsgButtons::Ok, MsgIcon::Error);
    }
    if (!made) {
        CloseAll();
        return nullptr;
    }
    return doc;
}

Document* DocumentManager::OpenDocument(const std::string& path) {
    CloseAll();
    Document* doc = Adopt(m_factory());
    if (!doc->OnOpenDocument(path)) {
        CloseAll();
        return nullptr;
    }
    doc->SetPathName(path);
    return doc;
}

void DocumentManager::CloseAll() { m_doc.reset(); }

void DocumentManager::DestroyDocument(Document* doc) {
    if (doc == m_doc.get()) m_doc.reset();
}

}  // namespace platform
