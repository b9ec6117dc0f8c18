#pragma once
// A Dialogs double: answers come from queues the test fills, and every call is
// recorded, so commands can be driven and checked without a real dialog.

#include <deque>
#include <string>
#include <vector>

#include "platform/dialogs.h"

namespace glifora::test {

class ScriptedDialogs final : public Dialogs {
  public:
    std::deque<std::string> openPaths, savePaths, folders;
    std::deque<ColorValue> colors;  // -1 for a cancel
    std::deque<FontChoice> fonts;
    std::deque<bool> answers;  // for AskYesNo; an empty queue answers No

    struct Call {
        std::string kind;  // "open", "save", "color", "folder", "font", "ask", "message"
        std::string text;  // title, or message text
        std::string title;
        std::string filter;
        std::string extension;
        MessageIcon icon = MessageIcon::None;
        FontRequest font;
    };
    std::vector<Call> calls;

    [[nodiscard]] int Count(const std::string& kind) const {
        int n = 0;
        for (const Call& c : calls) n += c.kind == kind;
        return n;
    }
    [[nodiscard]] const Call* Last(const std::string& kind) const {
        for (auto it = calls.rbegin(); it != calls.rend(); ++it)
            if (it->kind == kind) return &*it;
        return nullptr;
    }

    std::string ShowOpenDialog(const std::string& filter, const std::string& title,
                               const std::string&) override {
        calls.push_back({"open", title, title, filter, "", MessageIcon::None, {}});
        return Pop(openPaths, std::string());
    }
    std::string ShowSaveDialog(const std::string& filter, const std::string& title,
                               const std::string&, const std::string& ext) override {
        calls.push_back({"save", title, title, filter, ext, MessageIcon::None, {}});
        return Pop(savePaths, std::string());
    }
    ColorValue ShowColorDialog() override {
        calls.push_back({"color", "", "", "", "", MessageIcon::None, {}});
        return Pop(colors, ColorValue{-1});
    }
    std::string BrowseForFolder() override {
        calls.push_back({"folder", "", "", "", "", MessageIcon::None, {}});
        return Pop(folders, std::string());
    }
    FontChoice ChooseFont(const FontRequest& request) override {
        calls.push_back({"font", "", "", "", "", MessageIcon::None, request});
        return Pop(fonts, FontChoice{});
    }
    bool AskYesNo(const std::string& text, const std::string& title) override {
        calls.push_back({"ask", text, title, "", "", MessageIcon::Information, {}});
        return Pop(answers, false);
    }
    void ShowMessage(const std::string& text, const std::string& title, MessageIcon icon) override {
        calls.push_back({"message", text, title, "", "", icon, {}});
    }

  private:
    template <typename T, typename Q>
    static T Pop(Q& q, T fallback) {
        if (q.empty()) return fallback;
        T v = q.front();
        q.pop_front();
        return v;
    }
};

}  // namespace glifora::test
