#pragma once
// What the program was asked to do on its command line.
#include <QString>
#include <QList>
#include <QStringList>

struct CommandLine {
    enum Mode { Gui, Help, Version, PrintPdf, ListStock, Error };
    Mode mode = Gui;
    QString handOff;    // the command-line text handed to the main window (file or label description)
    QString pdfOut;     // --print-pdf target
    QString labelFile;  // label to print in batch mode (the first of several)
    // batch: several label files printed together ("FILE=N": N labels of it);
    // empty for one file filling its sheets.
    struct Design {
        QString file;
        long long count = 0;
    };
    QList<Design> designs;
    static constexpr long long MaxDesignLabels = 99999; // labels of one file in a print of several
    int copies = 1;
    static constexpr int MaxCopies = 9999; // sheets a batch print makes at most
    bool allowMissingPictures = false; // batch: print even when a picture cannot be loaded
    bool newInstance = false;  // start a copy of its own instead of handing over to a running one
    int start = 1;                     // batch: first label position used on the first sheet
    double offsetRight = 0, offsetDown = 0; // batch: inches everything is moved
    QString paper;                     // batch: --paper, empty for the default paper
    QString stock;                     // batch: --stock, the product's maker and code
    QString stockText;                 // --list-stock: the words to look for, empty for all
    QString dataFile;                  // batch: --data, the CSV the fields are filled from
    long long numberFrom = 1;          // batch: --number-from, ${n} of the first label
    QString date;                      // batch: --date as given (YYYY-MM-DD), empty for today
    QString error;      // for Error: one line telling what is wrong

    static CommandLine parse(const QStringList& args); // args without the program name
    static QString usage();
    // What a wrong command line prints: the reason, then where the usage is.
    static QString errorText(const QString& error);
};
