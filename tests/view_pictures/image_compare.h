// Comparing a rendered picture with its reference PNG in tests/data, with a tolerance.
//
// A pixel counts as equal when no channel differs by more than `channelTolerance`; the
// picture passes when at most `allowedPixels` pixels differ. A failing comparison writes the
// actual picture and a diff picture (differing pixels red on a faded copy of the reference)
// into the folder "picture-failures" of the working directory. With the environment variable
// ORVANTA_UPDATE_PICTURES=1 the references are written instead, to be reviewed and committed.
#pragma once

#include <gtest/gtest.h>
#include <QImage>
#include <string>

struct PictureTolerance {
    int channelTolerance = 8;
    int allowedPixels = 0;
};

// referenceName: file name under tests/data/view, e.g. "top.png"
::testing::AssertionResult MatchesReference(const QImage& actual, const std::string& referenceName,
                                            PictureTolerance tolerance);
