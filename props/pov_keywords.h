// Whether a word is reserved in POV-Ray's scene language.
#pragma once

#include <string_view>

bool IsPovRayKeyword(std::string_view word);
