#include "web/response_capture.h"

#include <string_view>

namespace cadenzo {
namespace {

std::size_t AppendBody(char* data, std::size_t size, std::size_t count, void* response) {
  static_cast<Response*>(response)->body.append(data, size * count);
  return size * count;
}

std::size_t AppendHeaderLine(char* data, std::size_t size, std::size_t count, void* response) {
  Text& headers = static_cast<Response*>(response)->rawHeaders;
  std::string_view line(data, size * count);
  if (line.starts_with("HTTP/")) headers.clear();
  while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.remove_suffix(1);
  headers.append(line).append("\r\n");
  return size * count;
}

}  // namespace

void CaptureResponse(CURL* handle, Response& response) {
  curl_easy_setopt(handle, CURLOPT_WRITEFUNCTION, &AppendBody);
  curl_easy_setopt(handle, CURLOPT_WRITEDATA, &response);
  curl_easy_setopt(handle, CURLOPT_HEADERFUNCTION, &AppendHeaderLine);
  curl_easy_setopt(handle, CURLOPT_HEADERDATA, &response);
}

}  // namespace cadenzo
