#include "tests/import_renders/render_compare.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

namespace {

bool ReadPpm(const std::string& path, int& w, int& h, std::vector<int>& values) {
    std::ifstream in(path, std::ios::binary);
    // the header's four fields, between which POV-Ray puts comment lines
    std::string fields[4];
    for (std::string& f : fields) {
        for (;;) {
            in >> std::ws;
            if (in.peek() != '#') {
                break;
            }
            std::string comment;
            std::getline(in, comment);
        }
        in >> f;
    }
    in.get();
    const std::string& magic = fields[0];
    w = std::atoi(fields[1].c_str());
    h = std::atoi(fields[2].c_str());
    const int maxval = std::atoi(fields[3].c_str());
    if (!in || magic != "P6" || w <= 0 || h <= 0 || maxval <= 0) {
        return false;
    }
    const size_t n = static_cast<size_t>(w) * static_cast<size_t>(h) * 3;
    values.resize(n);
    for (size_t i = 0; i < n; ++i) {
        int v = in.get();
        if (maxval > 255) {
            v = (v << 8) | in.get();
        }
        values[i] = v * 255 / maxval;
    }
    return static_cast<bool>(in);
}

}  // namespace

bool HavePovRay() {
    return std::system("command -v povray >/dev/null 2>&1") == 0;
}

bool RenderPpm(const std::string& scene, const std::string& picture, int width, int height,
               std::string* log) {
    namespace fs = std::filesystem;
    const std::string logFile = picture + ".log";
    std::ostringstream command;
    command << "cd '" << fs::path(scene).parent_path().string() << "' && povray -D -GR -GS +FP"
            << " +W" << width << " +H" << height << " +A0.3 '+I" << scene << "' '+O" << picture
            << "' > '" << logFile << "' 2>&1";
    const int status = std::system(command.str().c_str());
    if (log) {
        std::ifstream in(logFile);
        std::ostringstream text;
        text << in.rdbuf();
        *log = text.str();
    }
    return status == 0 && fs::exists(picture);
}

double DifferingShare(const std::string& pictureA, const std::string& pictureB) {
    int wa, ha, wb, hb;
    std::vector<int> a, b;
    if (!ReadPpm(pictureA, wa, ha, a) || !ReadPpm(pictureB, wb, hb, b) || wa != wb || ha != hb) {
        return 1.0;
    }
    size_t differing = 0;
    for (size_t p = 0; p < a.size(); p += 3) {
        for (size_t c = 0; c < 3; ++c) {
            if (std::abs(a[p + c] - b[p + c]) > 255 * 12 / 100) {
                ++differing;
                break;
            }
        }
    }
    return static_cast<double>(differing) / static_cast<double>(a.size() / 3);
}
