#include "app/logic/start_options.h"

StartOptions ParseStartOptions(const std::vector<std::string>& args) {
    StartOptions options;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--no-start-window" || a == "-nologo") {
            options.startWindow = false;
        } else if (a == "--screenshot") {
            if (i + 1 >= args.size()) {
                options.error = "--screenshot needs a file name";
                return options;
            }
            options.screenshot = args[++i];
        } else if (a.size() > 1 && a[0] == '-' && a != "-") {
            options.error = "unknown option " + a;
            return options;
        } else if (options.file.empty()) {
            options.file = a;
        } else {
            options.error = "only one file can be opened";
            return options;
        }
    }
    return options;
}
