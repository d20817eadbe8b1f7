// orvanta_make_scene mixed|mesh N FILE: writes one of the benchmarks' generated scenes, for the
// measuring scripts that open them in the programs.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "bench/scene_generator.h"

int main(int argc, char** argv) {
    const std::string kind = argc == 4 ? argv[1] : "";
    if (kind != "mixed" && kind != "mesh") {
        std::fprintf(stderr, "usage: orvanta_make_scene mixed|mesh N FILE\n");
        return 2;
    }
    const int n = std::atoi(argv[2]);
    const std::string text =
        kind == "mesh" ? scene_generator::MeshScene(n) : scene_generator::MixedScene(n);
    FILE* file = std::fopen(argv[3], "wb");
    if (!file || std::fwrite(text.data(), 1, text.size(), file) != text.size() ||
        std::fclose(file) != 0) {
        std::fprintf(stderr, "cannot write %s\n", argv[3]);
        return 1;
    }
    return 0;
}
