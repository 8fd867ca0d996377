#pragma once

// Graha, Rashi and Sputa Drishti of a body table, and the report that
// gathers all three with the table.
#include "drishti_report.h"
#include "drishti_row.h"
#include "graha_drishti.h"
#include "rashi_drishti.h"
#include "sign_names.h"
#include "sputa_drishti.h"
