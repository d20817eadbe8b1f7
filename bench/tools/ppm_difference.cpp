// ppm_difference A.ppm B.ppm: prints the share of pixels whose colour differs by more than
// 12 % in any channel (1 when a picture cannot be read or the sizes differ).
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

namespace {

bool Read(const char* path, int& w, int& h, std::vector<int>& v) {
    std::ifstream in(path, std::ios::binary);
    std::string field[4];
    for (std::string& f : field) {
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
    w = std::atoi(field[1].c_str());
    h = std::atoi(field[2].c_str());
    const int max = std::atoi(field[3].c_str());
    if (field[0] != "P6" || w <= 0 || h <= 0 || max <= 0) {
        return false;
    }
    v.resize(static_cast<size_t>(w) * static_cast<size_t>(h) * 3);
    for (int& c : v) {
        c = in.get();
        if (max > 255) {
            c = (c << 8) | in.get();
        }
        c = c * 255 / max;
    }
    return static_cast<bool>(in);
}

}  // namespace

int main(int argc, char** argv) {
    int wa = 0, ha = 0, wb = 0, hb = 0;
    std::vector<int> a, b;
    if (argc != 3 || !Read(argv[1], wa, ha, a) || !Read(argv[2], wb, hb, b) || wa != wb ||
        ha != hb) {
        std::puts("1.0000");
        return 1;
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
    std::printf("%.4f\n", static_cast<double>(differing) / static_cast<double>(a.size() / 3));
    return 0;
}
