// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A screen reader's part in windows/test-announcements: it asks UI Automation
// for the quiz's window, as every screen reader does first (Qt raises no UI
// Automation event before someone has asked), then finds the first country,
// the first parliament and "Сравни" through UI Automation, presses them, and
// prints the log line that compare must give. Text goes out escaped as Wine's traces write it, so
// that the test can look for it there.

#include "WindowTitle.h"

#include <cstdio>
#include <cwchar>
#include <string>
#include <uiautomation.h>
#include <windows.h>

namespace {

std::string escaped(const wchar_t *text)
{
    std::string out;
    for (; text && *text; ++text) {
        const auto c = static_cast<unsigned>(*text);
        if (c >= 0x20 && c < 0x7f && c != '\\' && c != '"') {
            out += static_cast<char>(c);
        } else {
            char code[8];
            std::snprintf(code, sizeof code, c > 0xff ? "\\%04x" : "\\%02x", c);
            out += code;
        }
    }
    return out;
}

[[noreturn]] void fail(const char *what)
{
    std::printf("failed: %s\n", what);
    std::fflush(stdout);
    std::exit(1);
}

HWND quizWindow()
{
    HWND found = nullptr;
    for (int attempt = 0; attempt < 600 && !found; ++attempt) {
        EnumWindows(
            [](HWND window, LPARAM result) -> BOOL {
                wchar_t title[256] = {};
                GetWindowTextW(window, title, 256);
                if (IsWindowVisible(window) && std::wcsstr(title, quizWindowTitle)) {
                    *reinterpret_cast<HWND *>(result) = window;
                    return FALSE;
                }
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&found));
        if (!found)
            Sleep(100);
    }
    return found;
}

std::wstring nameOf(IUIAutomationElement *element)
{
    BSTR name = nullptr;
    element->get_CurrentName(&name);
    std::wstring text = name ? name : L"";
    SysFreeString(name);
    return text;
}

// Wine's UI Automation offers no control patterns to a client, so a control
// is pressed where UI Automation says it is, as a screen reader's mouse
// routing would.
void click(IUIAutomationElement *element, const char *what)
{
    RECT bounds = {};
    if (FAILED(element->get_CurrentBoundingRectangle(&bounds)) || bounds.right <= bounds.left)
        fail(what);
    SetCursorPos((bounds.left + bounds.right) / 2, (bounds.top + bounds.bottom) / 2);
    INPUT press[2] = {};
    press[0].type = press[1].type = INPUT_MOUSE;
    press[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    press[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    if (SendInput(2, press, sizeof(INPUT)) != 2)
        fail(what);
    Sleep(300);
}

// Wine's UI Automation evaluates no property condition, so the tree is
// read whole and searched here.
IUIAutomationElement *findFirst(IUIAutomation *automation, IUIAutomationElement *root,
                                CONTROLTYPEID type, const wchar_t *name = nullptr)
{
    IUIAutomationCondition *all = nullptr;
    automation->CreateTrueCondition(&all);
    for (int attempt = 0; attempt < 50; ++attempt) {
        IUIAutomationElementArray *elements = nullptr;
        root->FindAll(TreeScope_Descendants, all, &elements);
        int count = 0;
        if (elements)
            elements->get_Length(&count);
        for (int i = 0; i < count; ++i) {
            IUIAutomationElement *element = nullptr;
            elements->GetElement(i, &element);
            CONTROLTYPEID elementType = 0;
            element->get_CurrentControlType(&elementType);
            if (elementType == type && (!name || nameOf(element) == name))
                return element;
        }
        Sleep(100);
    }
    return nullptr;
}

} // namespace

// Nothing is released: the process ends as soon as the compare is played.
int wmain()
{
    CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    IUIAutomation *automation = nullptr;
    if (FAILED(CoCreateInstance(CLSID_CUIAutomation, nullptr, CLSCTX_INPROC_SERVER,
                                IID_IUIAutomation, reinterpret_cast<void **>(&automation))))
        fail("no UI Automation");
    HWND window = quizWindow();
    if (!window)
        fail("no quiz window");
    IUIAutomationElement *form = nullptr;
    if (FAILED(automation->ElementFromHandle(window, &form)) || !form)
        fail("no element for the quiz window");
    std::printf("attached\n");

    IUIAutomationElement *country = findFirst(automation, form, UIA_RadioButtonControlTypeId);
    IUIAutomationElement *parliament = findFirst(automation, form, UIA_ListItemControlTypeId);
    IUIAutomationElement *compare = findFirst(automation, form, UIA_ButtonControlTypeId, L"Сравни");
    if (!country || !parliament || !compare)
        fail("the quiz's controls are not all there");
    // Names first: an answered parliament's entry is blanked.
    const std::wstring countryName = nameOf(country);
    const std::wstring parliamentName = nameOf(parliament);
    SetForegroundWindow(window);
    click(country, "choosing a country");
    click(parliament, "choosing a parliament");
    click(compare, "pressing the compare button");
    // The line the log must show: country, " : ", parliament, " е ", verdict.
    std::printf("compared: %s : %s \\0435 \n", escaped(countryName.c_str()).c_str(),
                escaped(parliamentName.c_str()).c_str());
    std::fflush(stdout);
    Sleep(1000);
    return 0;
}
