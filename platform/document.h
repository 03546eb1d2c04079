// The document framework: a document that is read and written through an archive, carries a
// path and a modified flag, asks to save its changes before it closes, and is owned by a
// document manager that creates one document at a time and destroys it when it closes.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "platform/archive.h"

namespace platform {

class Document;

/// Owns documents and destroys them when they close.
class DocumentOwner {
public:
    virtual ~DocumentOwner() = default;
    /// Destroys `doc`; called from the document's close as its last action.
    virtual void DestroyDocument(Document* doc) = 0;
};

class Document {
public:
    Document() = default;
    virtual ~Document() = default;
    Document(const Document&) = delete;
    Document& operator=(const Document&) = delete;

    /// Reads or writes the whole document.
    virtual void Serialize(Archive& ar) = 0;

    /// A new, empty document: clears the contents, the path and the modified flag.
    virtual bool OnNewDocument();
    /// Reads the file at `path` through Serialize. On failure shows the error through the host
    /// and returns false; the document may then hold a partial read and must be discarded.
    virtual bool OnOpenDocument(const std::string& path);
    /// Writes the document to `path` through Serialize, all or nothing. On failure shows the
    /// error through the host and returns false, leaving any old file untouched.
    virtual bool OnSaveDocument(const std::string& path);
    /// Closes the document: its owner destroys it (this object is gone on return when it has
    /// an owner).
    virtual void OnCloseDocument();
    /// Clears the contents before a new design or a load; nothing by default.
    virtual void DeleteContents() {}

    /// Asks "Save changes to <title>?" when modified. Yes saves (asking for a name when the
    /// document has none) and returns whether the save succeeded; No returns true; Cancel
    /// returns false.
    bool SaveModified();
    /// File Save: saves to the document's path, or asks for one when it has none.
    bool DoFileSave();
    /// Saves to `path`, or asks for a name when `path` is empty; on success the document takes
    /// the path.
    bool DoSave(const std::string& path);

    bool IsModified() const { return m_bModified; }
    void SetModifiedFlag(bool modified = true) { m_bModified = modified; }
    const std::string& GetPathName() const { return m_strPathName; }
    void SetPathName(const std::string& path) { m_strPathName = path; }
    /// The title shown in the save prompt and the window titles: the file name of the path as
    /// program text, or "Untitled".
    std::string GetTitle() const;

    void SetOwner(DocumentOwner* owner) { m_pOwner = owner; }

    /// Default extension, without the dot, for the save dialog.
    virtual std::string DefaultExtension() const { return ""; }
    /// Filter for the file dialogs ("Description (*.ext)|*.ext||").
    virtual std::string FileFilter() const { return ""; }

private:
    /// The file name of the path in its own bytes, or "Untitled".
    std::string FileName() const;

    std::string m_strPathName;
    bool m_bModified = false;
    DocumentOwner* m_pOwner = nullptr;
};

/// Holds at most one open document, as the single-design program does. NewDocument and
/// OpenDocument close the open document before they make the new one, with no save prompt: a
/// holder that must keep its document when the new one fails (the desktop program) checks the
/// file first and replaces the document itself.
class DocumentManager : public DocumentOwner {
public:
    using Factory = std::function<std::unique_ptr<Document>()>;
    explicit DocumentManager(Factory factory) : m_factory(std::move(factory)) {}
    ~DocumentManager() override;

    /// Creates a document and runs its new-document operation; on failure the document is
    /// discarded and nullptr returned.
    Document* NewDocument();
    /// Creates a document and opens `path` into it; on failure the document is discarded and
    /// nullptr returned (the error has been shown).
    Document* OpenDocument(const std::string& path);
    /// The open document, or nullptr.
    Document* Active() const { return m_doc.get(); }
    /// Closes the open document without asking (its destructor runs).
    void CloseAll();

    void DestroyDocument(Document* doc) override;

private:
    Document* Adopt(std::unique_ptr<Document> doc);

    Factory m_factory;
    std::unique_ptr<Document> m_doc;
};

}  // namespace platform
