#ifndef TAVREX_HEX_FILE_H
#define TAVREX_HEX_FILE_H

// Intel HEX records as a PIC18 tool chain writes them: data (00), end of file (01)
// and extended linear address (04). The reader is lenient: a line that is not a valid
// record of one of these types is skipped.

struct LigneDecode
{
    int a = 0;          // load offset
    int b = 0;          // byte count
    int t = 0;          // record type
    int data[255] = {};
};

// The longest line a record can take: ':' and 5 + 255 bytes in hexadecimal.
constexpr int longueurMaxEnregistrement = 1 + 2 * (5 + 255);

int hexDigit(const char* s);
int hexByte(const char* s);
// 0 for a valid record, otherwise the negative code of the first fault found.
int decode(const char* s, LigneDecode* ld);

class FlashMemory;
struct BilanLecture;
// Reads a HEX file into `cible`; with no target, only counts its lines and faults
// (a load can then be refused before anything is written).
BilanLecture lisFichierHex(const char* filename, FlashMemory* cible);

#endif
