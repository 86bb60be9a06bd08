// Writing out the skin library: where, when, and never over anything.
#include <gtest/gtest.h>

#include <windows.h>

#include "platform/carried_resource.h"
#include "platform/resource_ids.h"
#include "platform/skin_module.h"
#include "tests/harness/harness.h"

namespace keyloom::test {
namespace {

class SkinInstallTest : public ::testing::Test {
protected:
    void SetUp() override {
        char temp[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        root_ = std::string(temp) + "keyloom-skin-install-" + std::to_string(GetCurrentProcessId());
        system_ = root_ + "\\system";
        program_ = root_ + "\\program";
        CreateDirectoryA(root_.c_str(), nullptr);
        CreateDirectoryA(system_.c_str(), nullptr);
        CreateDirectoryA(program_.c_str(), nullptr);
    }
    void TearDown() override {
        for (const std::string& folder : {system_, program_}) {
            std::string library = folder + "\\SkinH_EL.dll";
            DeleteFileA(library.c_str());
            RemoveDirectoryA(library.c_str());
            RemoveDirectoryA(folder.c_str());
        }
        RemoveDirectoryA(root_.c_str());
    }
    std::string InSystem() const { return system_ + "\\SkinH_EL.dll"; }
    std::string BesideProgram() const { return program_ + "\\SkinH_EL.dll"; }
    std::string root_, system_, program_;
    const std::string image_ = std::string("MZ library image\0with a zero", 28);
};

TEST_F(SkinInstallTest, WritesTheImageIntoTheSystemFolderWhenNothingIsThere) {
    EXPECT_EQ(InstallSkinLibraryInto(system_ + "\\", program_, image_),
              SkinInstallOutcome::WrittenToSystemFolder);
    EXPECT_EQ(ReadFileBytes(InSystem()), image_);
    EXPECT_EQ(GetFileAttributesA(BesideProgram().c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(SkinInstallTest, NeverReplacesAnExistingFile) {
    WriteFileBytes(InSystem(), "older");
    EXPECT_EQ(InstallSkinLibraryInto(system_ + "\\", program_, image_),
              SkinInstallOutcome::AlreadyPresent);
    EXPECT_EQ(ReadFileBytes(InSystem()), "older");
}

TEST_F(SkinInstallTest, AFolderOfThatNameCountsAsPresent) {
    CreateDirectoryA(InSystem().c_str(), nullptr);
    EXPECT_EQ(InstallSkinLibraryInto(system_ + "\\", program_, image_),
              SkinInstallOutcome::AlreadyPresent);
    EXPECT_EQ(GetFileAttributesA(BesideProgram().c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(SkinInstallTest, WritesBesideTheProgramWhenTheSystemFolderRefuses) {
    // A system folder that does not exist stands for one we may not write.
    std::string refusing = root_ + "\\missing\\";
    EXPECT_EQ(InstallSkinLibraryInto(refusing, program_, image_),
              SkinInstallOutcome::WrittenBesideProgram);
    EXPECT_EQ(ReadFileBytes(BesideProgram()), image_);
}

TEST_F(SkinInstallTest, NeverReplacesACopyBesideTheProgram) {
    WriteFileBytes(BesideProgram(), "mine");
    EXPECT_EQ(InstallSkinLibraryInto(root_ + "\\missing\\", program_, image_),
              SkinInstallOutcome::NotWritten);
    EXPECT_EQ(ReadFileBytes(BesideProgram()), "mine");
}

TEST_F(SkinInstallTest, NowhereToWriteIsNotWritten) {
    EXPECT_EQ(InstallSkinLibraryInto(root_ + "\\missing\\", root_ + "\\gone", image_),
              SkinInstallOutcome::NotWritten);
}

TEST(SkinSystemFolderTest, EndsInABackslash) {
    std::string folder = SystemFolderForSkinLibrary();
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(folder.back(), '\\');
}

TEST(CarriedSkinsTest, TheLibraryAndThe37SkinsAreCarried) {
    EXPECT_GT(CarriedResource(IDR_SKIN_LIBRARY).size(), 1000u);
    EXPECT_EQ(CarriedResource(IDR_SKIN_LIBRARY).substr(0, 2), "MZ");
    for (int i = 0; i < KEYLOOM_SKIN_COUNT; ++i) {
        EXPECT_FALSE(CarriedResource(IDR_SKIN_FIRST + i).empty()) << "skin " << i + 1;
    }
    EXPECT_TRUE(CarriedResource(IDR_SKIN_FIRST + KEYLOOM_SKIN_COUNT).empty());
    EXPECT_TRUE(CarriedResource(12345).empty());
}

}  // namespace
}  // namespace keyloom::test
