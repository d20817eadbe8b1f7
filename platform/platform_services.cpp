// The services installed when nobody installed a real one: no user interface at all.
#include <charconv>
#include <map>
#include <tuple>

#include "platform/editor_host.h"
#include "platform/memory_settings_store.h"
#include "platform/process_launcher.h"
#include "platform/prompts.h"

namespace {

class SilentPrompts : public IPrompts {
  public:
    void Message(const std::string&) override {}
    bool AskYesNo(const std::string&) override { return false; }
};

class CancellingEditorHost : public IEditorHost {
  public:
    int EditProperties(CPovObject&, const std::string&) override { return kDialogCancel; }
};

class NoProcesses : public IProcessLauncher {
  public:
    ProcessResult RunAndWait(const std::string& program, const std::vector<std::string>&,
                             const std::string&) override {
        ProcessResult r;
        r.error = "no process launcher is installed to start " + program;
        return r;
    }
    bool StartDetached(const std::string&, const std::vector<std::string>&) override {
        return false;
    }
    ProcessStart Start(const std::string& program, const std::vector<std::string>&,
                       const std::string&, ProcessCallbacks) override {
        return {nullptr, "no process launcher is installed to start " + program};
    }
};

NoProcesses g_noProcesses;
IProcessLauncher* g_launcher = &g_noProcesses;
SilentPrompts g_silentPrompts;
IPrompts* g_prompts = &g_silentPrompts;
CancellingEditorHost g_cancellingHost;
IEditorHost* g_editorHost = &g_cancellingHost;
MemorySettingsStore g_memoryStore;
ISettingsStore* g_settings = &g_memoryStore;

}  // namespace

IPrompts& GetPrompts() {
    return *g_prompts;
}
void SetPrompts(IPrompts* prompts) {
    g_prompts = prompts ? prompts : &g_silentPrompts;
}

IProcessLauncher& GetProcessLauncher() {
    return *g_launcher;
}
void SetProcessLauncher(IProcessLauncher* launcher) {
    g_launcher = launcher ? launcher : &g_noProcesses;
}

IEditorHost& GetEditorHost() {
    return *g_editorHost;
}
void SetEditorHost(IEditorHost* host) {
    g_editorHost = host ? host : &g_cancellingHost;
}

ISettingsStore& GetSettingsStore() {
    return *g_settings;
}
void SetSettingsStore(ISettingsStore* store) {
    g_settings = store ? store : &g_memoryStore;
}

std::string ReadSetting(SettingsRoot root, std::string_view section, std::string_view name,
                        std::string_view fallback) {
    auto v = GetSettingsStore().Read(root, section, name);
    return v ? *v : std::string(fallback);
}

bool ReadYesNo(SettingsRoot root, std::string_view section, std::string_view name, bool fallback) {
    auto v = GetSettingsStore().Read(root, section, name);
    if (!v)
        return fallback;
    return *v == "yes";
}

void WriteYesNo(SettingsRoot root, std::string_view section, std::string_view name, bool value) {
    GetSettingsStore().Write(root, section, name, value ? "yes" : "no");
}

int ReadInt(SettingsRoot root, std::string_view section, std::string_view name, int fallback) {
    auto v = GetSettingsStore().Read(root, section, name);
    if (!v)
        return fallback;
    // the whole value must be a number ("12abc" is no more a number than "abc")
    std::string_view text = *v;
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        return fallback;
    return value;
}
