// Makes the atlas's place index from GeoNames data: the places of
// cities500.txt that have 1,000 people or more or are the seat of a first-,
// second- or third-level division (the choice GeoNames makes for its
// cities1000 file), with their alternate names in Latin letters, the names
// of the first-level regions from admin1.json, the country names of
// countries.tsv and the renamings of renamings.tsv.
//
//   make_place_index CITIES500.TXT ADMIN1.JSON COUNTRIES.TSV RENAMINGS.TSV OUT
#include <cstdio>
#include <fstream>
#include <iostream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "atlas/gazetteer.h"
#include "atlas/index_maker/geonames_files.h"
#include "atlas/place_index.h"

int main(int argc, char** argv) {
    using namespace sarovin;
    if (argc != 6) {
        std::cerr << "usage: make_place_index CITIES500.TXT ADMIN1.JSON COUNTRIES.TSV "
                     "RENAMINGS.TSV OUT\n";
        return 2;
    }
    const Result<GeoNamesPlaces> read = ReadGeoNamesPlaces(argv[1], argv[2], argv[3], argv[4]);
    if (!read) {
        std::cerr << "make_place_index: " << read.refusal().message << "\n";
        return 1;
    }
    const Gazetteer atlas(read->places, read->otherNames);
    std::ofstream out(argv[5], std::ios::binary);
    WritePlaceIndex(atlas, out);
    out.close();
    if (!out) {
        std::cerr << "make_place_index: cannot write " << argv[5] << "\n";
        return 1;
    }
    std::cout << "make_place_index: " << atlas.Places().size() << " places, "
              << atlas.Names().size() << " names\n";
    return 0;
}
