#pragma once

// Identifiers the framework itself defines: the application-wide commands and the string-table
// entries of its standard messages (framework.rc holds the texts).

#define AFX_IDS_APP_TITLE 0xE000  // 57344: the application title

#define ID_APP_ABOUT 0xE140  // 57664
#define ID_HELP 0xE146       // 57670

#define AFX_IDP_PARSE_INT 0xF110
#define AFX_IDP_PARSE_INT_RANGE 0xF111
#define AFX_IDP_FAILED_MEMORY_ALLOC 0xF180
#define AFX_IDP_RESOURCE_UNAVAILABLE 0xF181
#define AFX_IDP_NO_ERROR_AVAILABLE 0xF182
