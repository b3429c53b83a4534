#pragma once

#include <httplib.h>

#include <memory>

namespace cadenzo::site {

// Fault routes for testing clients, all under /test/ so they never meet a
// catalogue page:
//   /test/echo                   the request line, headers and body as received
//   /test/set-cookie?n=v&...     one "Set-Cookie: n=v; path=/" per parameter
//   /test/cookies                the Cookie header received
//   /test/redirect?to=T          302 to T
//   /test/status?code=N          status N with an HTML body
//   /test/zero                   a body with a zero byte inside
//   /test/large?bytes=N          N bytes of letters
//   /test/trickle?ms=N           ten bytes, one every N ms
//   /test/silent?ms=N            no answer at all for N ms (10 s when not given)
//   /test/silent-after-headers?ms=N  headers, then nothing for N ms
// Answers held back are released when the routes are destroyed, so a server
// can stop at once; destroy the routes before the server.
class TestRoutes {
 public:
  explicit TestRoutes(httplib::Server& http);
  ~TestRoutes();
  TestRoutes(const TestRoutes&) = delete;
  TestRoutes& operator=(const TestRoutes&) = delete;

  class Hold;

 private:
  std::shared_ptr<Hold> hold_;
};

}  // namespace cadenzo::site
