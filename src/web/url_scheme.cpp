#include "web/url_scheme.h"

#include "text/text_primitives.h"

namespace cadenzo {
namespace {

bool BeginsWith(std::string_view url, std::string_view scheme) {
  return EqualIgnoringCase(url.substr(0, scheme.size()), scheme);
}

}  // namespace

bool IsHttpsUrl(std::string_view url) {
  return BeginsWith(url, "https://");
}

bool HasWebScheme(std::string_view url) {
  return BeginsWith(url, "http://") || IsHttpsUrl(url);
}

}  // namespace cadenzo
