#include <QtTest>
#include "test_fenetres.h"
void TestCarte::potentiometreEtClavier() {}
void TestCarte::verrous() {}
void TestCarte::alimentation() {}
void TestCarte::chargementHex() {}
