#pragma once

// The maker's home page, opened by the About box's web-site button and named in its caption.
// The resource script includes this file too, so it holds nothing but the definition.
#define VELMAR_WEB_SITE "https://www.tovera.example/"
