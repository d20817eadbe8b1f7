#include "props/preview_pictures.h"

#include "preview/preview_pictures.h"

std::optional<std::string> PreviewPicture(std::string_view name) {
    return PreviewPictureOrPending(PreviewSubjectNamed(name));
}
