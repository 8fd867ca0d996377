#pragma once

#include <QString>

namespace sarovin {

// Texts the main window and the About box both show.
inline constexpr char PROGRAM_INTRODUCTION[] =
    "Sarovin calculates your aspects according to Vedic Astrology. This includes  Rashi "
    "Drishtis (Sign Aspects),  Graha Drishti (Planetary Aspects) and Sputa Drishti (Angular "
    "Aspects).";
inline constexpr char FULL_BRAND_OFFER[] =
    "Home Business Opportunity. Start your own Internet business and make money online. Get "
    "this software fully branded for your website.";
inline constexpr char MORE_DETAILS_LINK[] = "Click here for more details.";

// The program's licence and the works it is built on.
inline constexpr char LICENSE_NOTICE[] =
    "Sarovin is free software: you can redistribute it and/or modify it under the terms of the "
    "GNU Affero General Public License, version 3 or (at your option) any later version.";
inline constexpr char SWISS_EPHEMERIS_CREDIT[] =
    "Precise positions: Swiss Ephemeris, \u00A9 Astrodienst AG, Zurich, under the GNU Affero "
    "General Public License.";

// "Sarovin v1.15": the caption of the main window and the About box.
QString ProgramCaption();

}  // namespace sarovin
