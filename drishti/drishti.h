#pragma once

// Graha, Rashi and Sputa Drishti of a body table, and the report that
// gathers all three with the table.
#include "drishti/drishti_report.h"
#include "drishti/drishti_row.h"
#include "drishti/graha_drishti.h"
#include "drishti/rashi_drishti.h"
#include "drishti/sputa_drishti.h"
#include "zodiac/zodiac.h"
