#pragma once

#include <httplib.h>

#include "site/catalogue.h"

namespace cadenzo::site {

// Serves the catalogue: the home page, the song and album lists
// (/artist/songs.php and /album/list.php with singerid and optional pages),
// album pages /album/index-ID.shtml, download pages
// /download/download.php?Productid=ID, the song links of the lists, and the
// download addresses. An unknown singer, album or song gets the site's
// not-found page with status 404. `catalogue` must outlive the server.
void AddCatalogueRoutes(httplib::Server& server, const Catalogue& catalogue);

}  // namespace cadenzo::site
