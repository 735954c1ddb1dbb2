#pragma once
// The files the program works with: the program directory, the current input (document) file,
// the echo listing written while a file is read, the debug file, the last computation-input
// file, the graphics exchange name, and the file dialogs with the program's filter texts.
//
//     Cpp_FileIO::SetInputFileName(path);
//     Cpp_FileIO::OpenOutputFile("preoutput-kliven");   // slope.preinput-kliven ->
//     slope.preoutput-kliven std::FILE* listing = Cpp_FileIO::OutputFile();     // null while no
//     listing is open
//     ...
//     Cpp_FileIO::CloseOutputFile();                     // the listing is complete on disk
//
// The listing is written to a temporary file and renamed over its name when closed (also by the
// next OpenOutputFile). Paths have no length limits.

#include <cstdio>
#include <filesystem>
#include <string>

#include "core/message_boxes.h"

class Cpp_FileIO {
public:
    // Program directory: the folder of the running executable.
    static void SetProgramDirectory(const std::filesystem::path& executable);
    static std::filesystem::path GetProgramDirectory();
    static bool CopyProgramDirectory(std::string& out);

    static void SetInputFileName(const std::filesystem::path& path);
    static std::filesystem::path GetInputFileName();
    static std::string GetInputFileTitle();  // name and extension

    static void SetComputationInputFileName(const std::filesystem::path& path);
    static std::filesystem::path GetComputationInputFileName();

    // Opens the echo listing named after the input file (or "OUTPUT") with the extension
    // (an empty one means "OUT"), in the input file's folder. False, after the "File I/O Error"
    // box, when it cannot be created.
    static bool OpenOutputFile(const std::string& extension);
    static std::FILE* OutputFile();
    static std::string GetOutputFileName();            // name and extension
    static std::filesystem::path GetOutputFilePath();  // full path
    // Closes the listing so that it is complete on disk; false when it could not be written.
    static bool CloseOutputFile();

    // Opens folder/name.extension for writing (plain stream, caller closes it).
    static bool OpenNamedOutputFile(const std::filesystem::path& folder, const std::string& name,
                                    const std::string& extension, std::filesystem::path& outPath,
                                    std::FILE*& outFile);
    // Opens name (its own folder dropped, leading blanks removed) in the input file's folder for
    // reading; null when it cannot be opened. Caller closes it.
    static std::FILE* OpenInInputDirectory(const std::string& name);

    // "debug.out" in the program's data folder (~/.local/share/dravonet).
    static bool OpenDebugFile();
    static void CloseDebugFile();
    static std::FILE* DebugOutputFile();
    static std::filesystem::path ProgramDataFolder();

    // The folder of path becomes current; the result is that folder / stem.graphics-kliven.
    static bool GraphicsExchangeFileName(const std::filesystem::path& path,
                                         std::filesystem::path& out);

    // File dialogs. Filters are "Description|pattern|...|" texts ending in "|"; an odd number
    // of "|" throws the text exception "Cpp_FileIO::GetWindowsInputFileName - Error in file
    // filter string" (or ...OutputFileName...). A filter index outside 1..pairs selects 1.
    // Cancel returns false and leaves every output untouched.
    static bool GetWindowsInputFileName(WindowHandle owner, const std::string& title,
                                        const std::filesystem::path& initialFolder,
                                        const std::string& filter, int filterIndex,
                                        std::filesystem::path& inOutPath);
    // inOutName: the name offered (its folder starts the dialog); on OK the chosen name and
    // extension, and outPath the chosen full path.
    static bool GetWindowsOutputFileName(WindowHandle owner, const std::string& title,
                                         const std::string& filter, int filterIndex,
                                         std::string& inOutName, std::filesystem::path& outPath);
    // Kinds 1 profile lines, 2 interpolation points, 3 SEEP2D export, 4 SEEP/W text: asks for
    // the file in the input file's folder and opens it for reading (caller closes it).
    static bool GetDataFileName(WindowHandle owner, int kind, std::filesystem::path& outPath,
                                std::FILE*& outFile);
    // Asks where to write the computation input, starting from defaultPath; the caller writes
    // it (safely, core/safe_output_file.h).
    static bool GetKlivenInputFileName(const std::filesystem::path& defaultPath,
                                       std::filesystem::path& chosen);
    static bool BrowseForFolder(WindowHandle owner, const std::string& title,
                                std::filesystem::path& out);
    // The platform form of a filter text: "|" pairs without the final separator; throws as above.
    static std::string CheckedFilter(const std::string& filter, const char* caller, int& pairs);

    // Forgets every name and closes every file (tests call this between cases).
    static void ResetForTests();
};
