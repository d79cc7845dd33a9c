#include "ListCaption.h"

#include "platform/PathName.h"
std::string ListCaption(const std::string& path) {
    std::string caption = FileNamePart(path);
    caption = caption.substr(0, caption.find('.'));
    if (!caption.empty() && caption[0] >= 'a' && caption[0] <= 'z')
        caption[0] = static_cast<char>(caption[0] - 'a' + 'A');
    return caption;
}
