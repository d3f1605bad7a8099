#pragma once

// Delimiter of the display form of a composite key. svdOhne writes every part zero-padded to
// the given digits without delimiter (the unformatted form).
enum TVELT_StructNum_Delim : int {
    svdBindestrich = 0, // 12-345
    svdPunkt = 1,       // 12.345
    svdSchraegstrich = 2, // 12/345
    svdLeerzeichen = 3, // 12 345
    svdDoppelpunkt = 4, // 12:345
    svdOhne = 9
};
