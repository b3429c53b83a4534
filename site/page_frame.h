#pragma once

#include <string>
#include <string_view>

#include "site/catalogue.h"

namespace cadenzo::site {

// A whole page in the site's dress: head with styles and scripts, top
// navigation, a breadcrumb, the content, a side bar drawn from the catalogue and
// the footer. `title` goes into the <title> element unchanged and first of all
// titles on the page. None of the dress carries a list marker or a page entry.
std::string FramedPage(const Catalogue& catalogue, std::string_view title, std::string_view crumb,
                       std::string_view content);

}  // namespace cadenzo::site
