#pragma once

class TZAM_Datenbank;

// A large site for the benchmarks: warehouse 9 "Großlager" with its own branches, places,
// containers on places, article sizes and stock with the branches' stock in agreement. Added to a
// demo database; the numbers are the sizes a central warehouse reaches.
class TZAM_DemoGross
{
public:
    struct TUmfang
    {
        int Plaetze = 50000;
        int Behaelter = 5000;
        int Artikel = 2000; // ten sizes each
        int BestandJePlatz = 10;
        int Filialen = 10;
    };
    static constexpr int CLager = 9;

    static void Anlegen(TZAM_Datenbank& ADb, const TUmfang& AUmfang);
};
