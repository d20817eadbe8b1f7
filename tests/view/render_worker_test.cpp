// The views' render thread: newer requests supersede older ones, a superseded render
// stops early and its picture is never shown, and the newest request is always answered.
#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <random>
#include <thread>
#include <vector>

#include "view/camera_render_worker.h"

namespace {

using namespace std::chrono_literals;

std::shared_ptr<const CameraScene> SceneNumbered(int n) {
    auto scene = std::make_shared<CameraScene>();
    scene->width = n;  // the number travels through the render into the picture
    scene->height = 1;
    return scene;
}

// Deliveries collected from the render thread.
struct Deliveries {
    std::mutex mutex;
    std::condition_variable arrived;
    std::vector<CameraPicture> pictures;

    void Add(CameraPicture p) {
        std::lock_guard<std::mutex> lock(mutex);
        pictures.push_back(std::move(p));
        arrived.notify_all();
    }
    bool WaitFor(size_t count) {
        std::unique_lock<std::mutex> lock(mutex);
        return arrived.wait_for(lock, 10s, [&] { return pictures.size() >= count; });
    }
};

CameraPicture PictureOf(const CameraScene& scene) {
    CameraPicture p;
    p.width = scene.width;
    p.height = scene.height;
    return p;
}

TEST(RenderWorkerTest, ASupersededRenderStopsAndItsPictureNeverFollowsTheNewerOne) {
    std::mutex mutex;
    std::condition_variable changed;
    int started = 0;
    bool firstSawStop = false;
    Deliveries shown;
    {
        CameraRenderWorker worker(
            [&](const CameraScene& scene, const std::function<bool()>& stop) {
                {
                    std::lock_guard<std::mutex> lock(mutex);
                    ++started;
                }
                changed.notify_all();
                if (scene.width == 1) {
                    // a slow render that keeps looking whether it should stop
                    const auto give_up = std::chrono::steady_clock::now() + 10s;
                    while (!stop() && std::chrono::steady_clock::now() < give_up)
                        std::this_thread::sleep_for(1ms);
                    firstSawStop = stop();
                }
                // even a render that draws to its end after being superseded is not shown
                return std::optional<CameraPicture>(PictureOf(scene));
            },
            [&](CameraPicture p) { shown.Add(std::move(p)); });

        EXPECT_EQ(worker.Request(SceneNumbered(1)), 1u);
        {
            std::unique_lock<std::mutex> lock(mutex);
            ASSERT_TRUE(changed.wait_for(lock, 10s, [&] { return started == 1; }));
        }
        EXPECT_EQ(worker.Request(SceneNumbered(2)), 2u);
        ASSERT_TRUE(shown.WaitFor(1));
        EXPECT_TRUE(firstSawStop);
        EXPECT_EQ(worker.RendersStarted(), 2);
    }
    ASSERT_EQ(shown.pictures.size(), 1u);
    EXPECT_EQ(shown.pictures[0].width, 2);
    EXPECT_EQ(shown.pictures[0].generation, 2u);
}

TEST(RenderWorkerTest, ManyRequestsAtRandomTimesArriveInOrderEndingWithTheNewest) {
    std::mt19937 random(20240611);
    for (int round = 0; round < 3; ++round) {
        Deliveries shown;
        constexpr int kRequests = 150;
        {
            CameraRenderWorker worker(
                [&](const CameraScene& scene, const std::function<bool()>& stop) {
                    // a render of random length that gives up when superseded
                    const int steps = scene.width % 7;
                    for (int i = 0; i < steps; ++i) {
                        if (stop())
                            return std::optional<CameraPicture>();
                        std::this_thread::sleep_for(200us);
                    }
                    return std::optional<CameraPicture>(PictureOf(scene));
                },
                [&](CameraPicture p) { shown.Add(std::move(p)); });
            for (int i = 1; i <= kRequests; ++i) {
                worker.Request(SceneNumbered(i));
                std::this_thread::sleep_for(std::chrono::microseconds(random() % 1500));
            }
            // the newest request is always answered
            std::unique_lock<std::mutex> lock(shown.mutex);
            ASSERT_TRUE(shown.arrived.wait_for(lock, 10s, [&] {
                return !shown.pictures.empty() &&
                       shown.pictures.back().generation == static_cast<uint64_t>(kRequests);
            }));
        }
        uint64_t last = 0;
        for (const CameraPicture& p : shown.pictures) {
            EXPECT_GT(p.generation, last);
            // each picture is the one its request asked for
            EXPECT_EQ(p.width, static_cast<int>(p.generation));
            last = p.generation;
        }
    }
}

TEST(RenderWorkerTest, WithoutAThreadEveryRequestRendersAtOnce) {
    std::vector<int> rendered;
    bool finished = false;
    Deliveries shown;
    {
        CameraRenderWorker worker(
            [&](const CameraScene& scene, const std::function<bool()>& stop) {
                EXPECT_FALSE(stop());
                rendered.push_back(scene.width);
                return std::optional<CameraPicture>(PictureOf(scene));
            },
            [&](CameraPicture p) { shown.Add(std::move(p)); }, [&] { finished = true; }, false);
        worker.Request(SceneNumbered(4));
        EXPECT_EQ(rendered, std::vector<int>{4});
        ASSERT_EQ(shown.pictures.size(), 1u);
        EXPECT_TRUE(worker.Idle());
        EXPECT_FALSE(finished);
    }
    EXPECT_TRUE(finished);
}

}  // namespace
