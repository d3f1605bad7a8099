#pragma once

class TZAM_Datenbank;

// The articles of the demo site: the products of the demo tasks and a few more, with size grids,
// till sizes, label barcodes, GTINs, manufacturer numbers, prices, and free stock on the places of
// warehouse 1.
class TZAM_DemoArtikel
{
public:
    static void Anlegen(TZAM_Datenbank& ADb);
};
