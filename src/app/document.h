#pragma once
// The document of the single-document program. It holds no data of its own: the problem lives
// in the list of data sets and the other globals of the model. The document clears them for a
// new problem, has a file read into them, writes them as a document (".preinput-kliven"), and
// carries the path name and the modified flag.
//
//     CDravonetDoc doc;
//     doc.OnNewDocument();
//     if (doc.OnOpenDocument(path)) ...     // read; a file that is not a problem changes nothing
//     if (!doc.OnSaveDocument(path)) ...    // reported; the flag and the old file stay

#include "core/message_boxes.h"

#include <filesystem>
#include <functional>
#include <string>

class Cpp_Kliven4DataSet;

namespace app {

inline constexpr const char* kDocumentExtension = ".preinput-kliven";
inline constexpr const char* kComputationInputExtension = ".input-kliven";
// The title of a document without a path.
inline constexpr const char* kNewDocumentName = "Dravon";

// The derivations after a good read: "Error.log" opened afresh, the slope line marked entered
// when the file held one, the log closed and (with showLog) shown when it holds messages. True
// when set up.
bool SetUpNewData(Cpp_Kliven4DataSet& dataSet, WindowHandle window, bool showLog = true);

// Reads the file into data set 1, derives what the file does not hold, zooms to the extents of
// the data and closes the echo listing, so that it is complete on disk beside the file. A file
// that cannot be opened is reported with its name and changes nothing. Quiet, the data-error
// log is not shown and the view keeps its mapping (a problem read back as it was). True when
// read.
bool ReadProblemFile(WindowHandle window, const std::filesystem::path& path, bool quiet = false);

// The computation-input file that belongs to a document or data file: the name with
// ".input-kliven" in place of the document extension (compared exactly); another extension
// stays part of the name.
std::filesystem::path ComputationInputNameFor(const std::filesystem::path& path,
                                              const std::string& documentExtension);
// Records it as the computation-input name.
bool SetInputFileNames(const std::filesystem::path& path, const std::string& documentExtension);

// The file a document is saved in: the path when it ends in the document extension, else the
// path with the extension added (slope -> slope.preinput-kliven, slope.dat ->
// slope.dat.preinput-kliven).
std::filesystem::path DocumentFileNameFor(const std::filesystem::path& path,
                                          const std::string& documentExtension);

// Writes the document: the views block, the snap-grid block, then the current data set in the
// document form, through a temporary file renamed over the target. False (with nothing written
// and the previous file kept) when the path is empty or writing failed; written receives the
// name of the file on success.
bool SavePreprocessorDataFile(const std::filesystem::path& path,
                              const std::string& documentExtension, std::filesystem::path& written);

class CDravonetDoc {
public:
    CDravonetDoc();
    ~CDravonetDoc();
    CDravonetDoc(const CDravonetDoc&) = delete;
    CDravonetDoc& operator=(const CDravonetDoc&) = delete;

    // Empties the model for a new problem; the path is forgotten and the flag cleared.
    bool OnNewDocument();
    // Back to stage 1 and select mode, then clears the model and reads the file. After a good
    // read the path becomes the file's and the flag is cleared. A file that cannot be read as a
    // problem leaves the problem open before as it was (data, views, path and flag); the read's
    // box has said why. True when read.
    bool OnOpenDocument(const std::filesystem::path& path);
    // Writes the document. On success the path becomes the name written and the flag is
    // cleared; on failure the user is told, the flag stays set and the previous file is kept.
    bool OnSaveDocument(const std::filesystem::path& path);

    const std::filesystem::path& PathName() const { return path_; }
    void SetPathName(const std::filesystem::path& path);
    bool IsModified() const { return modified_; }
    void SetModifiedFlag(bool modified = true);
    // The file name of the path, or "Dravon" without one.
    std::string Title() const;

    // Called after the path or the modified flag changed (the frame's caption follows).
    std::function<void()> onChanged;
    // Called by New and Open before the model is cleared: back to stage 1 and select mode.
    std::function<void()> onReset;
    // The window that owns the boxes of reading and writing.
    WindowHandle window = nullptr;

private:
    struct KeptProblem;
    bool KeepProblem(KeptProblem& kept) const;
    void RestoreProblem(const KeptProblem& kept);
    void ClearModel();
    void Changed();
    std::filesystem::path path_;
    bool modified_ = false;
};

}  // namespace app
