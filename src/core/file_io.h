#pragma once
// The files the program works with: the program directory, the current input (document) file,
// the echo listing written while a file is read, the debug file, the last computation-input
// file, the graphics exchange name, and the file dialogs with the program's filter texts.
//
//     Cpp_FileIO::SetInputFileName(path);
//     Cpp_FileIO::OpenOutputFile("preoutput-kliven");   // slope.preinput-kliven -> slope.preoutput-kliven
//     std::FILE* listing = Cpp_FileIO::OutputFile();     // null while no listing is open
//     ...
//     Cpp_FileIO::CloseOutputFile();                     // the listing is complete on disk
//
// The listing is written to a temporary file and renamed over its name when closed (also by the
// next OpenOutputFile). Paths have no length limits.

#include <cstdio>
#include <filesystem>
#include <string>

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

    // Forgets every name and closes every file (tests call this between cases).
    static void ResetForTests();
};
