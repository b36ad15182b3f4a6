#include <QtTest>
#include "test_fenetres.h"
void TestAffichage::ledSuitLeCourant() {}
void TestAffichage::policeLcd() {}
void TestAffichage::vueLcdSuitLeControleur() {}
