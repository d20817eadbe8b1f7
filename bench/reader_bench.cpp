// Reading large scenes: opening a file of N mixed primitives and a mesh export of N triangles
// into a new document, object construction and geometry included. Reports the read speed and
// the peak heap use per object (a counting allocator; the file buffer counts too).
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <new>
#include <string>

#include "bench/scene_generator.h"
#include "document/atomic_file.h"
#include "document/orvanta_doc.h"
#include "model/name_counters.h"

// ---------------------------------------------------------------------------------------------
// counting allocator: current and peak bytes held through operator new

namespace {

std::atomic<long long> g_heapNow{0};
std::atomic<long long> g_heapPeak{0};

void* CountedAlloc(std::size_t size) {
    auto* block = static_cast<std::size_t*>(std::malloc(size + sizeof(std::max_align_t)));
    if (!block)
        throw std::bad_alloc();
    *block = size;
    const long long now =
        g_heapNow.fetch_add(static_cast<long long>(size)) + static_cast<long long>(size);
    long long peak = g_heapPeak.load();
    while (now > peak && !g_heapPeak.compare_exchange_weak(peak, now)) {
    }
    return reinterpret_cast<char*>(block) + sizeof(std::max_align_t);
}

void CountedFree(void* pointer) {
    if (!pointer)
        return;
    auto* block =
        reinterpret_cast<std::size_t*>(static_cast<char*>(pointer) - sizeof(std::max_align_t));
    g_heapNow.fetch_sub(static_cast<long long>(*block));
    std::free(block);
}

}  // namespace

void* operator new(std::size_t size) {
    return CountedAlloc(size);
}
void* operator new[](std::size_t size) {
    return CountedAlloc(size);
}
void operator delete(void* pointer) noexcept {
    CountedFree(pointer);
}
void operator delete[](void* pointer) noexcept {
    CountedFree(pointer);
}
void operator delete(void* pointer, std::size_t) noexcept {
    CountedFree(pointer);
}
void operator delete[](void* pointer, std::size_t) noexcept {
    CountedFree(pointer);
}

namespace {

enum class SceneKind { Mixed, Mesh, Groups };

// The scene file of a kind and size, written once per run.
const std::string& SceneFile(SceneKind kind, int objects, size_t& bytes) {
    static std::map<std::pair<int, int>, std::pair<std::string, size_t>> files;
    auto key = std::make_pair(static_cast<int>(kind), objects);
    auto it = files.find(key);
    if (it == files.end()) {
        const std::string text = kind == SceneKind::Mixed  ? scene_generator::MixedScene(objects)
                                 : kind == SceneKind::Mesh ? scene_generator::MeshScene(objects)
                                                           : scene_generator::GroupScene(objects);
        const char* folder = std::getenv("TMPDIR");
        std::string path = std::string(folder && *folder ? folder : "/tmp") + "/orvanta_bench_" +
                           (kind == SceneKind::Mixed  ? "mixed_"
                            : kind == SceneKind::Mesh ? "mesh_"
                                                      : "groups_") +
                           std::to_string(objects) + ".om";
        WriteFileAtomically(path, text);
        it = files.emplace(key, std::make_pair(path, text.size())).first;
    }
    bytes = it->second.second;
    return it->second.first;
}

void ReadScene(benchmark::State& state, SceneKind kind) {
    const int objects = static_cast<int>(state.range(0));
    size_t bytes = 0;
    const std::string& path = SceneFile(kind, objects, bytes);
    long long peakPerRead = 0;
    long read = 0;
    size_t problems = 0;
    for (auto _ : state) {
        ResetModelGlobals();
        const long long before = g_heapNow.load();
        g_heapPeak.store(before);
        auto doc = std::make_unique<COrvantaDoc>();
        SceneReadResult result = doc->OnOpenDocument(path);
        peakPerRead = g_heapPeak.load() - before;
        read = result.objects;
        problems = result.problems.size();
        state.PauseTiming();
        doc.reset();
        state.ResumeTiming();
    }
    if (problems != 0)
        state.SkipWithError("the generated scene did not read cleanly");
    state.SetBytesProcessed(static_cast<int64_t>(bytes) * state.iterations());
    state.counters["objects"] = static_cast<double>(read);
    state.counters["MB"] = static_cast<double>(bytes) / 1e6;
    state.counters["peak_KB_per_object"] = static_cast<double>(peakPerRead) / 1024.0 / objects;
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["maxrss_MB"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
}

// Two sizes ten times apart, several reads of each, so that the times compare reads into memory
// the process already has (the first read of a million objects also pays for the kernel's first
// touch of its pages).
void TwoSizes(benchmark::internal::Benchmark* b, int small, double minTime) {
    b->Arg(small)
        ->Arg(small * 10)
        ->MinTime(minTime)
        ->Unit(benchmark::kMillisecond)
        ->MeasureProcessCPUTime()
        ->UseRealTime();
}

void BM_ReadMixedPrimitives(benchmark::State& state) {
    ReadScene(state, SceneKind::Mixed);
}
BENCHMARK(BM_ReadMixedPrimitives)->Apply([](auto* b) { TwoSizes(b, 100000, 8.0); });

void BM_ReadMesh(benchmark::State& state) {
    ReadScene(state, SceneKind::Mesh);
}
BENCHMARK(BM_ReadMesh)->Apply([](auto* b) { TwoSizes(b, 100000, 8.0); });

// a scene of many small groups: each group's default name is checked against the names of the
// whole scene while reading
void BM_ReadGroups(benchmark::State& state) {
    ReadScene(state, SceneKind::Groups);
}
BENCHMARK(BM_ReadGroups)->Apply([](auto* b) { TwoSizes(b, 20000, 4.0); });

}  // namespace
