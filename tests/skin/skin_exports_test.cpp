// The library as a program meets it: two functions found by their plain
// names, the standard Windows calling convention, and skins it must refuse
// without touching any window. No skin is ever attached in this process.
#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <set>
#include <string>

#include "skin_format.h"
#include "skin_test_support.h"

#if defined(__i386__)
// Calls a function with `count` 32-bit arguments pushed right to left and
// reports how far the stack pointer moved over the call: 0 when the callee
// removed its own arguments (stdcall), 4 * count when it left them (cdecl).
extern "C" int CallMeasuringStack(void* fn, const int* args, int count, int* moved);
asm(".text\n"
    ".globl _CallMeasuringStack\n"
    "_CallMeasuringStack:\n"
    "    pushl %ebp\n"
    "    movl %esp, %ebp\n"
    "    pushl %esi\n"
    "    pushl %edi\n"
    "    pushl %ebx\n"
    "    movl 12(%ebp), %esi\n"
    "    movl 16(%ebp), %ecx\n"
    "    movl %esp, %edi\n"
    "1:  testl %ecx, %ecx\n"
    "    jz 2f\n"
    "    decl %ecx\n"
    "    pushl (%esi,%ecx,4)\n"
    "    jmp 1b\n"
    "2:  call *8(%ebp)\n"
    "    movl %esp, %ecx\n"
    "    subl %edi, %ecx\n"
    "    movl 20(%ebp), %edx\n"
    "    movl %ecx, (%edx)\n"
    "    movl %edi, %esp\n"
    "    popl %ebx\n"
    "    popl %edi\n"
    "    popl %esi\n"
    "    popl %ebp\n"
    "    ret\n");
#endif

namespace {

class SkinExports : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        gOwnDesktop = UseOwnDesktop();
        gLib = LoadSkinLibrary();
    }
    void SetUp() override {
        ASSERT_TRUE(gOwnDesktop);
        ASSERT_NE(gLib.module, nullptr) << "SkinH_EL.dll not loaded from the build folder";
        ASSERT_NE(gLib.attachRes, nullptr);
        ASSERT_NE(gLib.setAero, nullptr);
    }
    static bool gOwnDesktop;
    static SkinLibrary gLib;
};
bool SkinExports::gOwnDesktop = false;
SkinLibrary SkinExports::gLib;

// Names in the library's export table, read from the loaded image.
std::set<std::string> ExportedNames(HMODULE module) {
    std::set<std::string> names;
    auto* base = reinterpret_cast<const unsigned char*>(module);
    auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& dir =
        nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_EXPORT];
    if (dir.VirtualAddress == 0) return names;
    auto* exports = reinterpret_cast<const IMAGE_EXPORT_DIRECTORY*>(base + dir.VirtualAddress);
    auto* nameRvas = reinterpret_cast<const DWORD*>(base + exports->AddressOfNames);
    for (DWORD i = 0; i < exports->NumberOfNames; ++i) {
        names.insert(reinterpret_cast<const char*>(base + nameRvas[i]));
    }
    return names;
}

TEST_F(SkinExports, ExportsExactlyTheTwoFunctionsByPlainName) {
    EXPECT_EQ(ExportedNames(gLib.module),
              (std::set<std::string>{"SkinH_AttachRes", "SkinH_SetAero"}));
    EXPECT_EQ(GetProcAddress(gLib.module, "_SkinH_AttachRes@24"), nullptr);
    EXPECT_EQ(GetProcAddress(gLib.module, "SkinH_AttachRes@24"), nullptr);
    EXPECT_EQ(GetProcAddress(gLib.module, "SkinH_SetAero@4"), nullptr);
}

TEST_F(SkinExports, LoadsAgainByBareNameAsTheSameModule) {
    // The program loads the library a second time for the second function.
    HMODULE again = LoadLibraryA("SkinH_EL.dll");
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(again, gLib.module);
    FreeLibrary(again);
}

#if defined(__i386__)
TEST_F(SkinExports, BothFunctionsRemoveTheirOwnArguments) {
    const int attachArgs[6] = {0, 0, reinterpret_cast<int>(""), 110, 40, 10};
    int moved = -1;
    EXPECT_EQ(CallMeasuringStack(reinterpret_cast<void*>(gLib.attachRes), attachArgs, 6, &moved),
              0);
    EXPECT_EQ(moved, 0) << "SkinH_AttachRes left " << moved << " bytes on the stack";
    const int aeroArgs[1] = {0};
    moved = -1;
    CallMeasuringStack(reinterpret_cast<void*>(gLib.setAero), aeroArgs, 1, &moved);
    EXPECT_EQ(moved, 0) << "SkinH_SetAero left " << moved << " bytes on the stack";
}
#endif

TEST_F(SkinExports, CallsThroughWinapiPointersRepeatedlyKeepTheStackSound) {
    // A wrong convention on the 32-bit build shifts the stack by each call;
    // a thousand calls in a loop would corrupt this frame's locals.
    volatile int guard = 0x5EED;
    const std::string bad = "not a skin";
    for (int i = 0; i < 1000; ++i) {
        EXPECT_EQ(Attach(gLib, bad, i, i, i), 0);
        gLib.setAero(0);
    }
    EXPECT_EQ(guard, 0x5EED);
}

// Every refusal below must leave this window as it was.
class BadSkins : public SkinExports {
protected:
    void SetUp() override {
        SkinExports::SetUp();
        window_ = CreateTestWindow();
        procs_ = Procs(window_);
    }
    void TearDown() override { DestroyTestWindow(window_); }

    static std::vector<LONG_PTR> Procs(const TestWindow& w) {
        std::vector<LONG_PTR> procs;
        for (HWND h : {w.top, w.button, w.group, w.label, w.edit, w.list, w.header, w.link}) {
            procs.push_back(GetWindowLongPtrA(h, GWLP_WNDPROC));
        }
        return procs;
    }

    void ExpectUntouched() {
        EXPECT_EQ(Procs(window_), procs_) << "a window was subclassed";
        ShowAndPaint(window_.top);
        EXPECT_EQ(ScreenPixelOfClient(window_.top, 400, 5), GetSysColor(COLOR_BTNFACE));
        // Windows made afterwards are not skinned either (no creation hook).
        TestWindow later = CreateTestWindow(150, 150);
        const auto classProc = static_cast<LONG_PTR>(GetClassLongPtrA(later.button, GCLP_WNDPROC));
        EXPECT_EQ(GetWindowLongPtrA(later.button, GWLP_WNDPROC), classProc);
        DestroyTestWindow(later);
    }

    TestWindow window_;
    std::vector<LONG_PTR> procs_;
};

TEST_F(BadSkins, NullOrEmptyInputIsRefused) {
    const std::string good = FlatTestSkin();
    EXPECT_EQ(gLib.attachRes(nullptr, 0, "", 110, 40, 10), 0);
    EXPECT_EQ(gLib.attachRes(nullptr, 500, "", 0, 0, 0), 0);
    const auto* bytes = reinterpret_cast<const unsigned char*>(good.data());
    EXPECT_EQ(gLib.attachRes(bytes, 0, "", 0, 0, 0), 0);
    EXPECT_EQ(gLib.attachRes(bytes, -1, "", 0, 0, 0), 0);
    EXPECT_EQ(gLib.attachRes(bytes, INT_MIN, "", 0, 0, 0), 0);
    ExpectUntouched();
}

TEST_F(BadSkins, MalformedSkinsAreRefused) {
    const std::string good = FlatTestSkin();
    auto replaced = [&](const char* from, const char* to) {
        std::string s = good;
        s.replace(s.find(from), std::strlen(from), to);
        return s;
    };
    for (const std::string& bad :
         {replaced("KEYLOOM-SKIN 1", "KEYLOOM-SKIN 9"), replaced("window = #C8D2DC\n", ""),
          replaced("#C8D2DC", "#C8D2"), replaced("button.radius = 0", "button.radius = 400"),
          replaced("end\n", ""), replaced("name = Test Flat", "name = \x01"),
          good + "window = #000000\n", std::string("MZ\x90\0\x03", 5)}) {
        EXPECT_EQ(Attach(gLib, bad, 110, 40, 10), 0) << bad.substr(0, 40);
    }
    ExpectUntouched();
}

TEST_F(BadSkins, EveryTruncationIsRefused) {
    const std::string good = FlatTestSkin();
    const size_t end = good.rfind("end");
    for (size_t n = 1; n < end + 3; ++n) {
        ASSERT_EQ(gLib.attachRes(reinterpret_cast<const unsigned char*>(good.data()),
                                 static_cast<int>(n), "", 0, 0, 0),
                  0)
            << n;
    }
    ExpectUntouched();
}

TEST_F(BadSkins, RandomBytesAndRejectedMutationsAreRefused) {
    std::mt19937 random(1234);
    for (int round = 0; round < 500; ++round) {
        std::string bytes(1 + random() % 4096, '\0');
        for (char& c : bytes) c = static_cast<char>(random());
        ASSERT_EQ(Attach(gLib, bytes), 0) << "round " << round;
    }
    // Mutations of a good skin that the format refuses: the library must
    // refuse each of them too.
    const std::string good = FlatTestSkin();
    int tried = 0;
    for (int round = 0; round < 3000 && tried < 500; ++round) {
        std::string bytes = good;
        bytes[random() % bytes.size()] = static_cast<char>(random());
        SkinDef def;
        if (ParseSkin(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size(), def)) {
            continue;
        }
        ++tried;
        ASSERT_EQ(Attach(gLib, bytes), 0) << "round " << round;
    }
    EXPECT_GT(tried, 100);
    ExpectUntouched();
}

TEST_F(BadSkins, SetAeroWithoutASkinChangesNothing) {
    ShowAndPaint(window_.top);
    EXPECT_EQ(gLib.setAero(1), 0);
    EXPECT_FALSE(GetWindowLongA(window_.top, GWL_EXSTYLE) & WS_EX_LAYERED);
    EXPECT_EQ(gLib.setAero(0), 0);
    ExpectUntouched();
}

}  // namespace
