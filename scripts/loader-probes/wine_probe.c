/* Plays animated cursors in user32 the way a Windows program would: LoadCursorFromFileW, then
 * GetCursorFrameInfo per step, each step's picture drawn with DrawIconEx. For every file named
 * on the command line it prints one line:
 *   FILE name refuses
 *   FILE name steps N | jiffies colours... | ...
 * The colours are 8 samples across the middle row, "t" where the background shows through.
 * A crash in the loader ends the process after the "FILE name" line; the caller goes on from
 * the next file. */
#include <windows.h>
#include <stdio.h>
#include <stdlib.h>

typedef HCURSOR(WINAPI* FrameInfoFunction)(HCURSOR, DWORD, DWORD, DWORD*, DWORD*);


static LONG WINAPI ReportCrash(EXCEPTION_POINTERS* exception) {
    (void)exception;
    printf(" crashes\n");
    fflush(stdout);
    TerminateProcess(GetCurrentProcess(), 3);
    return EXCEPTION_EXECUTE_HANDLER;
}

static void PrintPicture(HDC dc, DWORD* pixels, HCURSOR picture) {
    ICONINFO info;
    BITMAP bitmap;
    int width = 0, height = 0;
    if (!picture || !GetIconInfo(picture, &info)) {
        printf(" none");
        return;
    }
    if (GetObjectW(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof bitmap, &bitmap)) {
        width = bitmap.bmWidth;
        height = info.hbmColor ? bitmap.bmHeight : bitmap.bmHeight / 2;
    }
    if (info.hbmColor) DeleteObject(info.hbmColor);
    if (info.hbmMask) DeleteObject(info.hbmMask);
    if (width <= 0 || height <= 0 || width > 256 || height > 256) {
        printf(" none");
        return;
    }
    for (int i = 0; i < 256 * 256; ++i) pixels[i] = 0x010203;
    DrawIconEx(dc, 0, 0, picture, width, height, 0, NULL, DI_NORMAL);
    GdiFlush();
    for (int band = 0; band < 8; ++band) {
        const int x = (2 * band + 1) * width / 16, y = height / 2;
        const DWORD value = pixels[y * 256 + x] & 0xFFFFFF;
        if (value == 0x010203) printf(" t");
        else printf(" %06lx", (unsigned long)value);
    }
}

int main(int argc, char** argv) {
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX);
    SetUnhandledExceptionFilter(ReportCrash);
    FrameInfoFunction frameInfo =
        (FrameInfoFunction)GetProcAddress(GetModuleHandleA("user32.dll"), "GetCursorFrameInfo");
    BITMAPINFO format = {0};
    format.bmiHeader.biSize = sizeof format.bmiHeader;
    format.bmiHeader.biWidth = 256;
    format.bmiHeader.biHeight = -256;
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    DWORD* pixels = NULL;
    HDC dc = CreateCompatibleDC(NULL);
    HBITMAP canvas = CreateDIBSection(dc, &format, DIB_RGB_COLORS, (void**)&pixels, NULL, 0);
    SelectObject(dc, canvas);
    for (int i = 1; i < argc; ++i) {
        wchar_t path[MAX_PATH];
        MultiByteToWideChar(CP_UTF8, 0, argv[i], -1, path, MAX_PATH);
        printf("FILE %s", argv[i]);
        fflush(stdout);
        HCURSOR cursor = LoadCursorFromFileW(path);
        if (!cursor) {
            printf(" refuses\n");
            fflush(stdout);
            continue;
        }
        DWORD rate = 0, steps = 0;
        HCURSOR first = frameInfo(cursor, 0, 0, &rate, &steps);
        printf(" steps %lu", (unsigned long)steps);
        for (DWORD step = 0; step < steps && step < 2100; ++step) {
            DWORD count = 0;
            rate = 0;
            HCURSOR picture = step == 0 ? first : frameInfo(cursor, 0, step, &rate, &count);
            if (step == 0) frameInfo(cursor, 0, 0, &rate, &count);
            // A one-step cursor reports ~0 steps; past its steps there is no picture.
            if (!picture) break;
            printf(" | %lu", (unsigned long)rate);
            PrintPicture(dc, pixels, picture);
        }
        printf("\n");
        fflush(stdout);
    }
    return 0;
}
