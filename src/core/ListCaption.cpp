#include "ListCaption.h"

std::string ListCaption(const std::string& path) {
    size_t slash = path.find_last_of('/');
    std::string caption = slash == std::string::npos ? path : path.substr(slash + 1);
    caption = caption.substr(0, caption.find('.'));
    if (!caption.empty() && caption[0] >= 'a' && caption[0] <= 'z')
        caption[0] = static_cast<char>(caption[0] - 'a' + 'A');
    return caption;
}
