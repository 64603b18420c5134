#pragma once
// JobSettings: the options of one extraction job, a plain record. Each field is
// named after its value in the settings store; the three file names are stored
// as File1 (SourceFile), File2 (SearchDir) and File3 (ResultFile). Strings are
// code page 932.

#include <string>

struct JobSettings {
    int DirMode = 0;                 // 0 = one source file, 1 = a directory
    std::string SourceFile;          // the source file in file mode
    std::string SearchDir;           // the directory searched in directory mode
    std::string SearchFile = "*.txt";  // file-name pattern in directory mode
    int SubDir = 0;                  // 1 = directory mode descends into subdirectories
    std::string ResultFile;
    int FileKind = 0;                // 0 automatic, 1 CSV, 2 TAB, 3 plain text, 4 EtcDelim
    std::string EtcDelim = "|";      // the one-byte delimiter of FileKind 4
    int SearchKind = 0;              // 0 = test the whole line, 1 = the fields in SearchCol
    std::string SearchCol;           // field numbers from 1, separated by commas
    int PickMode = 0;                // output of a hit: 0 line, 1 tag jump, 2 field KeyCol
    int KeyCol = 0;                  // field number from 1 written by PickMode 2
    int Coment = 0;                  // comment lines: 0 none, 1 "#", 2 "@", 3 "!", 4 "*"
    std::string ComentChar = "#";    // the character of Coment (ComentCharFor); not stored
    int DelQuot = 1;                 // ignore surrounding double quotes; changes no field or count
    int UppChk = 1;                  // 1 = letter case is distinguished
    int ScrOFF = 0;                  // 1 = screen saver off while extracting
    int OnMemory = 1;                // 1 = the source file is held in memory
    int FileSaveRest = 0;            // 1 = the three file names are kept between starts
    int ListSeq = 0;                 // 1 = hits grouped in the order of the conditions
    std::string AplName;             // companion program; empty = none
    int AplExec = 0;                 // 1 = start the companion program on the result file
    int FindBreak = 0;               // 1 = stop a file after its first hit
    int AllSkipNoUse = 0;            // 1 = no exclusion strings are used at all
};

// The comment character belonging to a Coment value: "#" for 0 and 1, "@",
// "!" and "*" for 2, 3 and 4; "#" for any other value.
std::string ComentCharFor(int Coment);
