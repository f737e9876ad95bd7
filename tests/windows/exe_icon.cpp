// The program's icon as the Windows shell takes it from the executable: the windows' own
// 32 x 32, 256-colour image, and each size the shell shows, up to 256 x 256, in full colour
// (the 256 one as PNG), each loadable at its size.
//   kelt_exe_icon PROGRAM.exe
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <set>
#include <utility>

namespace {

#pragma pack(push, 2)
// An icon group resource: the header, then one entry per image (the .ico file's entries,
// with a resource id in place of the file offset).
struct GroupEntry
{
    BYTE width, height, colours, reserved;
    WORD planes, bits;
    DWORD bytes;
    WORD id;
};
struct Group
{
    WORD reserved, type, count;
    GroupEntry entries[1];
};
#pragma pack(pop)

} // namespace

int wmain(int argc, wchar_t **argv)
{
    if (argc != 2) {
        std::printf("usage: kelt_exe_icon PROGRAM.exe\n");
        return 2;
    }
    HMODULE exe = LoadLibraryExW(argv[1], nullptr, LOAD_LIBRARY_AS_DATAFILE);
    HRSRC found = exe ? FindResourceW(exe, L"IDI_ICON1", MAKEINTRESOURCEW(14)) : nullptr;
    const auto *group =
        found ? static_cast<const Group *>(LockResource(LoadResource(exe, found))) : nullptr;
    if (!group) {
        std::printf("FAIL: no icon IDI_ICON1 in the executable\n");
        return 1;
    }
    std::set<std::pair<int, int>> sizes; // width, bits per pixel
    int failures = 0;
    for (int i = 0; i < group->count; ++i) {
        const GroupEntry &e = group->entries[i];
        const int size = e.width ? e.width : 256;
        sizes.insert({size, e.bits});
        HRSRC image = FindResourceW(exe, MAKEINTRESOURCEW(e.id), MAKEINTRESOURCEW(3));
        const auto *data =
            image ? static_cast<const BYTE *>(LockResource(LoadResource(exe, image))) : nullptr;
        const bool png = data && std::memcmp(data, "\x89PNG", 4) == 0;
        std::printf("%3d x %-3d %2d bits%s\n", size, size, e.bits, png ? ", PNG" : "");
        if (!data || png != (size == 256)) {
            std::printf("FAIL: the %d x %d image is %s\n", size, size,
                        data ? (png ? "PNG" : "not PNG") : "missing");
            ++failures;
        }
        HICON icon = static_cast<HICON>(
            LoadImageW(exe, L"IDI_ICON1", IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
        ICONINFO info{};
        BITMAP bitmap{};
        if (!icon || !GetIconInfo(icon, &info) ||
            !GetObjectW(info.hbmColor, sizeof bitmap, &bitmap) || bitmap.bmWidth != size) {
            std::printf("FAIL: the shell cannot load the icon at %d x %d\n", size, size);
            ++failures;
        }
        if (info.hbmColor)
            DeleteObject(info.hbmColor);
        if (info.hbmMask)
            DeleteObject(info.hbmMask);
        if (icon)
            DestroyIcon(icon);
    }
    const std::set<std::pair<int, int>> wanted{{16, 32}, {24, 32},  {32, 32},  {48, 32},
                                               {64, 32}, {128, 32}, {256, 32}, {32, 8}};
    if (sizes != wanted) {
        std::printf("FAIL: not the sizes 16 to 256 in full colour and 32 in 256 colours\n");
        ++failures;
    }
    std::printf("%s\n", failures ? "FAILED" : "passed");
    return failures ? 1 : 0;
}
