// The program as Windows sees it, in the folder that the zip and the
// installer hold: a windowed program, with no console behind it; its version
// record; and a start with nothing but its own folder to load Qt from.

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

std::wstring program;  // brastola.exe in the program folder, from the command line

TEST(Program, IsAWindowedProgram)
{
    std::ifstream file(std::filesystem::path(program), std::ios::binary);
    IMAGE_DOS_HEADER dos{};
    file.read(reinterpret_cast<char *>(&dos), sizeof dos);
    ASSERT_EQ(dos.e_magic, IMAGE_DOS_SIGNATURE);
    IMAGE_NT_HEADERS64 nt{};
    file.seekg(dos.e_lfanew).read(reinterpret_cast<char *>(&nt), sizeof nt);
    ASSERT_EQ(nt.Signature, IMAGE_NT_SIGNATURE);
    EXPECT_EQ(nt.OptionalHeader.Subsystem, IMAGE_SUBSYSTEM_WINDOWS_GUI);
}

TEST(Program, VersionRecordIsTheProjectVersion)
{
    const DWORD size = GetFileVersionInfoSizeW(program.c_str(), nullptr);
    ASSERT_GT(size, 0u);
    std::vector<char> record(size);
    ASSERT_TRUE(GetFileVersionInfoW(program.c_str(), 0, size, record.data()));
    void *value = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(record.data(), L"\\", &value, &length));
    const auto *fixed = static_cast<const VS_FIXEDFILEINFO *>(value);
    const std::wstring numbers = std::to_wstring(HIWORD(fixed->dwFileVersionMS)) + L'.' +
                                 std::to_wstring(LOWORD(fixed->dwFileVersionMS)) + L'.' +
                                 std::to_wstring(HIWORD(fixed->dwFileVersionLS)) + L'.' +
                                 std::to_wstring(LOWORD(fixed->dwFileVersionLS));
    const std::wstring expected = L"" BRASTOLA_VERSION L".0";  // Windows wants a fourth number
    EXPECT_EQ(numbers, expected);
    for (const wchar_t *name : {L"FileVersion", L"ProductVersion"}) {
        const std::wstring query = std::wstring(L"\\StringFileInfo\\041004b0\\") + name;
        ASSERT_TRUE(VerQueryValueW(record.data(), query.c_str(), &value, &length)) << name;
        EXPECT_EQ(static_cast<const wchar_t *>(value), expected) << name;
    }
}

// A shown top-level window of Qt's, captioned "Brastola", in the process.
bool start_window_shown(DWORD process_id)
{
    struct Search {
        DWORD process_id;
        bool found = false;
    } search{process_id};
    EnumWindows(
        [](HWND window, LPARAM data) -> BOOL {
            auto &search = *reinterpret_cast<Search *>(data);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            wchar_t title[64] = {}, window_class[64] = {};
            GetWindowTextW(window, title, 64);
            GetClassNameW(window, window_class, 64);
            search.found = owner == search.process_id && IsWindowVisible(window) &&
                           std::wstring(title) == L"Brastola" && std::wstring(window_class).starts_with(L"Qt");
            return !search.found;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// An environment that names no Qt folder: DLLs and plugins can only come
// from the program's own folder, or Windows's.
TEST(Program, StartsFromItsOwnFolder)
{
    wchar_t system_root[MAX_PATH] = {};
    ASSERT_GT(GetEnvironmentVariableW(L"SystemRoot", system_root, MAX_PATH), 0u);
    const std::wstring root(system_root);
    std::wstring environment = L"SystemRoot=" + root + L'\0' + L"PATH=" + root + L"\\system32;" + root + L'\0';
    std::wstring command_line = L'"' + program + L'"';
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    ASSERT_TRUE(CreateProcessW(program.c_str(), command_line.data(), nullptr, nullptr, FALSE,
                               CREATE_UNICODE_ENVIRONMENT, environment.data(), nullptr, &startup, &process));
    bool shown = false;
    for (int tenths = 0; tenths < 300 && !shown; ++tenths)
        shown = WaitForSingleObject(process.hProcess, 100) == WAIT_TIMEOUT && start_window_shown(process.dwProcessId);
    DWORD exit_code = 0;
    GetExitCodeProcess(process.hProcess, &exit_code);
    TerminateProcess(process.hProcess, 0);
    WaitForSingleObject(process.hProcess, INFINITE);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    EXPECT_TRUE(shown) << "exit code " << exit_code;
}

}  // namespace

int main(int argc, char **argv)
{
    testing::InitGoogleTest(&argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <brastola.exe in its program folder>\n", argv[0]);
        return 2;
    }
    program.assign(argv[1], argv[1] + std::strlen(argv[1]));
    return RUN_ALL_TESTS();
}
