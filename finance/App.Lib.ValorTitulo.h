#pragma once

class TMemTable;

// The sum of the VALOR column over every row of a title's child table, whatever its filter
// hides, added in whole cents; 0 for an empty or closed table. The table's cursor moves.
double SomaValorTitulo(TMemTable &ADataSet);
