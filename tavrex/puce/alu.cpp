#include "alu.h"

#include "processeur.h"

void Alu::reset()
{
    DataMemory* dm = processeur->getDM();
    regW = dm->registre(DataMemory::WREG);
    regStatus = static_cast<RegistreStatus*>(dm->registre(DataMemory::STATUS));
    alu = 0;
    status = regStatus->readDirect();
}

bool Alu::operationDAW()
{
    // The high digit is adjusted with the carry out of the low digit's adjustment,
    // so that 0x05 + 0x05 = 0x0A becomes 0x10, not 0x00.
    debut(C | DC);
    unsigned v = w();
    if ((v & 0x0F) > 9 || digitCarry())
        v += 0x06;
    if ((v >> 4) > 9 || carry()) {
        v += 0x60;
        setCarry(true);
    }
    alu = static_cast<Byte>(v);
    setDigitCarry(false);
    return true;
}
