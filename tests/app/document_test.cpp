// The document's file names, the save that fails, the read that fails, and the exception table
// of the entry points.

#include "app/commands/tool_commands.h"
#include "app/document.h"
#include "app/exception_report.h"
#include "app/launcher.h"
#include "app/tool_bars.h"
#include "core/file_io.h"
#include "core/text_exception.h"
#include "editing/construction_items.h"
#include "model/data_set.h"
#include "model/subsystem_registration.h"
#include "porepressure/triangle.h"
#include "registry/block_readers.h"
#include "support/fake_services.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

TEST(DocumentNames, ComputationInputAndDocumentFileNames) {
    const std::string ext = app::kDocumentExtension;
    struct Case {
        const char* path;
        const char* input;
        const char* document;
    } cases[] = {
        {"/a/slope.preinput-kliven", "/a/slope.input-kliven", "/a/slope.preinput-kliven"},
        {"/a/slope.dat", "/a/slope.dat.input-kliven", "/a/slope.dat.preinput-kliven"},
        {"/a/slope", "/a/slope.input-kliven", "/a/slope.preinput-kliven"},
        {"/a/x.input-kliven", "/a/x.input-kliven.input-kliven",
         "/a/x.input-kliven.preinput-kliven"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(app::ComputationInputNameFor(c.path, ext), fs::path(c.input)) << c.path;
        EXPECT_EQ(app::DocumentFileNameFor(c.path, ext), fs::path(c.document)) << c.path;
    }
}

// A save that fails is reported, keeps the modified flag and leaves what was there. The two
// targets fail for root as well: a name below a regular file, and a name held by a folder.
TEST(Document, AFailedSaveKeepsTheFlagAndTheOldFile) {
    testsupport::TempDir dir;
    const fs::path plainFile = dir.Path() / "plain";
    const fs::path folder = dir.Path() / "slope.preinput-kliven";
    testsupport::WriteFile(plainFile, "old\n");
    fs::create_directory(folder);
    testsupport::WriteFile(folder / "inside", "old\n");
    const std::pair<fs::path, std::string> cases[] = {
        {plainFile / "slope.preinput-kliven", "Not a directory"}, {folder, "Is a directory"}};
    for (const auto& [target, reason] : cases) {
        SCOPED_TRACE(target.string());
        testsupport::FakeServices fakes;
        app::CDravonetDoc doc;
        doc.OnNewDocument();
        doc.SetModifiedFlag(true);
        EXPECT_FALSE(doc.OnSaveDocument(target));
        EXPECT_TRUE(doc.IsModified());
        EXPECT_TRUE(doc.PathName().empty());
        ASSERT_EQ(fakes.messageBoxes.requests.size(), 1u);
        EXPECT_EQ(fakes.messageBoxes.requests[0].caption, "File I/O Error");
        EXPECT_EQ(fakes.messageBoxes.requests[0].text,
                  "Unable to save the document as " + target.string() + " (" + reason +
                      ").  The previous file, if any, was kept.");
    }
    EXPECT_EQ(testsupport::ReadFile(plainFile), "old\n");
    EXPECT_EQ(testsupport::ReadFile(folder / "inside"), "old\n");
    // No temporary file is left behind.
    const auto entries = [](const fs::path& p) {
        return std::distance(fs::directory_iterator(p), fs::directory_iterator());
    };
    EXPECT_EQ(entries(dir.Path()), 2);
    EXPECT_EQ(entries(folder), 1);
}

// After a failed read the partial data stay but the document is untitled, so Save asks for a
// name and never overwrites the original.
TEST(Document, AFailedReadLeavesTheDocumentUntitled) {
    testsupport::FakeServices fakes;
    testsupport::TempDir dir;
    const fs::path file = dir.Path() / "bad.preinput-kliven";
    testsupport::WriteFile(file, "HEAding follows -\nPartial\n\nXYZ what\nNO compute\n");
    app::CDravonetDoc doc;
    doc.OnNewDocument();
    EXPECT_FALSE(doc.OnOpenDocument(file));
    EXPECT_TRUE(doc.PathName().empty());
    EXPECT_EQ(doc.Title(), "Dravon");
    EXPECT_FALSE(doc.IsModified());
    // A file that cannot be opened is reported with its name and changes nothing.
    fakes.messageBoxes.requests.clear();
    EXPECT_FALSE(doc.OnOpenDocument(dir.Path() / "missing.preinput-kliven"));
    ASSERT_FALSE(fakes.messageBoxes.requests.empty());
    EXPECT_NE(fakes.messageBoxes.requests.back().text.find("missing.preinput-kliven"),
              std::string::npos);
    Cpp_FileIO::ResetForTests();
}

// Construction items belong to the program: New and Open empty both lists, and the CON block of
// the opened document refills them.
TEST(Document, NewAndOpenEmptyTheConstructionItems) {
    testsupport::FakeServices fakes;
    testsupport::TempDir dir;
    InitializeBlockReaders();
    RegisterConstructionBlocks();
    const auto fill = [] {
        GetConstructionLineList().NewLine()->AddPoint(1.0, 1.0);
        GetConstructionCircleList().NewCircle(0.0, 0.0, CircleGivenRadius, 1.0, 0.0);
    };
    app::CDravonetDoc doc;
    fill();
    doc.OnNewDocument();
    EXPECT_TRUE(GetConstructionLineList().IsEmpty());
    EXPECT_TRUE(GetConstructionCircleList().IsEmpty());

    const fs::path plain = dir.Path() / "plain.preinput-kliven";
    testsupport::WriteFile(plain, "FIRst stage\nCOMpute\n");
    fill();
    doc.OnOpenDocument(plain);
    EXPECT_TRUE(GetConstructionLineList().IsEmpty());
    EXPECT_TRUE(GetConstructionCircleList().IsEmpty());

    const fs::path withBlock = dir.Path() / "con.preinput-kliven";
    testsupport::WriteFile(withBlock, "CONstruction line data follow -\n"
                                      "     1       1 = number of lines and circles\n"
                                      "     1\n          0.0  0.0\n\n\n"
                                      "          0 = circle number\n"
                                      "          5.0  5.0    0    2.0\n\n"
                                      "COMpute\n");
    fill();
    EXPECT_TRUE(doc.OnOpenDocument(withBlock));
    EXPECT_EQ(GetConstructionLineList().Count(), 1);
    EXPECT_EQ(GetConstructionCircleList().GetCount(), 1);
    DeleteAllConstructionItems();
    ClearBlockReaders();
    Cpp_FileIO::ResetForTests();
}

// After a read, a profile line naming a material without properties is reported in the listing
// (and the read still succeeds); with every material there, nothing is reported.
TEST(Document, AProfileLineWithoutMaterialPropertiesIsReportedInTheListing) {
    testsupport::FakeServices fakes;
    testsupport::TempDir dir;
    const fs::path old = fs::current_path();
    struct Case {
        int material;
        bool reported;
    };
    for (const Case c : {Case{7, true}, Case{1, false}}) {
        const fs::path file = dir.Path() / "m.preinput-kliven";
        testsupport::WriteFile(file, "PROfile line data follow -\n"
                                     "     1     " +
                                         std::to_string(c.material) +
                                         " Fill\n"
                                         "          0.0  10.0\n          50.0  10.0\n\n\n"
                                         "MATerial property data follow -\n"
                                         "     1 Fill\n          120\n          Conventional\n"
                                         "          0 30\n          Piezometric Line NegativeOK\n"
                                         "          1 -200\n\n"
                                         "NO compute\n");
        ASSERT_TRUE(app::ReadProblemFile(nullptr, file));
        const std::string listing = testsupport::ReadFile(dir.Path() / "m.preoutput-kliven");
        const std::string message = "Profile line number 1 has no material properties\n";
        EXPECT_EQ(listing.find(message) != std::string::npos, c.reported) << listing;
        if (c.reported) {
            EXPECT_NE(listing.find(message + "Specified material number for this profile line "
                                             "is 7\n"),
                      std::string::npos)
                << listing;
        }
    }
    fs::current_path(old);
    Cpp_FileIO::ResetForTests();
}

TEST(ExceptionReport, TableRowsWriteTheirLineAndTextsShowABox) {
    testsupport::FakeServices fakes;
    testsupport::TempDir dir;
    Cpp_FileIO::SetInputFileName(dir.Path() / "x.preinput-kliven");
    ASSERT_TRUE(Cpp_FileIO::OpenOutputFile("preoutput-kliven"));
    auto report = [](auto thrown) {
        try {
            throw thrown;
        } catch (...) {
            return app::ReportEntryPointException("test");
        }
    };
    EXPECT_EQ(report(Cpp_Triangle::Exc_AdjacentTriangleMissing()),
              "EXCEPTION: Adjacemt triangle missing.");
    EXPECT_TRUE(fakes.messageBoxes.requests.empty());
    EXPECT_EQ(report(Cpp_Kliven4DataSet::Exc_IllegalStage()),
              "Illegal stage for Cpp_Kliven4DataSet.");
    EXPECT_EQ(report(Cpp_TextException("EXCEPTION: Cpp_Line::DrawLine")),
              "EXCEPTION: EXCEPTION: Cpp_Line::DrawLine");
    ASSERT_EQ(fakes.messageBoxes.requests.size(), 1u);
    EXPECT_EQ(fakes.messageBoxes.requests[0].caption, "KLIVEN Exception");
    struct Exc_NotInTheTable {};
    EXPECT_EQ(report(Exc_NotInTheTable()), "Unexpected error in test.");
    Cpp_FileIO::CloseOutputFile();
    EXPECT_EQ(testsupport::ReadFile(dir.Path() / "x.preoutput-kliven"),
              "EXCEPTION: Adjacemt triangle missing.\n"
              "Illegal stage for Cpp_Kliven4DataSet.\n"
              "EXCEPTION: EXCEPTION: Cpp_Line::DrawLine\n"
              "This should never occur - notify Kordel\n"
              "Unexpected error in test.\n");
    Cpp_FileIO::ResetForTests();
}

TEST(EditModes, CommandsModesAndBars) {
    EXPECT_EQ(app::EditModeForCommand(32833), EditModeSelect);
    EXPECT_EQ(app::EditModeForCommand(32982), EditModeCrackWater);
    // Nails and geogrids have their modes and bars.
    EXPECT_EQ(app::EditModeForCommand(32990), EditModeNails);
    EXPECT_EQ(app::EditModeForCommand(32991), EditModeGeogrids);
    EXPECT_EQ(app::ToolBarForMode(EditModeNails), app::BarNails);
    EXPECT_EQ(app::ToolBarForMode(EditModeRSubUPoints), app::BarInterpolation);
    EXPECT_EQ(app::ToolBarForMode(EditModeMaterials), app::BarNone);
}

}  // namespace
