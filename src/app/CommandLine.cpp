#include "CommandLine.h"

#include <QDate>

#include <algorithm>

#include "printing/BatchPrint.h"
#include "printing/Stock.h"

CommandLine CommandLine::parse(const QStringList& args)
{
    CommandLine c;
    if (args.contains("--help") || args.contains("-h")) {
        c.mode = Help;
        return c;
    }
    if (args.contains("--version")) {
        c.mode = Version;
        return c;
    }
    if (args.contains("--list-stock") && !args.contains("--print-pdf")) {
        c.mode = ListStock;
        QStringList words = args;
        words.removeAll("--list-stock");
        for (const QString& w : words)
            if (w.startsWith("--")) {
                c.mode = Error;
                c.error = "--list-stock takes only the words to look for, not " + w;
                return c;
            }
        c.stockText = words.join(' ').simplified();
        return c;
    }
    if (args.contains("--print-pdf")) {
        c.mode = PrintPdf;
        for (int i = 0; i < args.size(); ++i) {
            const QString& a = args.at(i);
            if (a == "--allow-missing-pictures") {
                c.allowMissingPictures = true;
            } else if (a == "--start" || a == "--offset") {
                if (i + 1 >= args.size()) {
                    c.mode = Error;
                    c.error = a + " needs a value";
                    return c;
                }
                const QString v = args.at(++i);
                if (a == "--start") {
                    const auto n = stock::parseStart(v, &c.error);
                    if (!n) {
                        c.mode = Error;
                        return c;
                    }
                    c.start = *n;
                } else {
                    const auto p = stock::parseOffset(v, &c.error);
                    if (!p) {
                        c.mode = Error;
                        return c;
                    }
                    c.offsetRight = p->right;
                    c.offsetDown = p->down;
                }
            } else if (a == "--stock") {
                if (i + 1 >= args.size() || args.at(i + 1).trimmed().isEmpty()) {
                    c.mode = Error;
                    c.error = a + " needs a value";
                    return c;
                }
                c.stock = args.at(++i).simplified();
            } else if (a == "--paper") {
                if (i + 1 >= args.size()) {
                    c.mode = Error;
                    c.error = a + " needs a value";
                    return c;
                }
                c.paper = args.at(++i);
                if (!batch::paperNamed(c.paper).isValid()) {
                    c.mode = Error;
                    c.error = "--paper takes one of " + batch::paperNames() + ", not \"" + c.paper + "\"";
                    return c;
                }
            } else if (a == "--data" || a == "--number-from" || a == "--date") {
                if (i + 1 >= args.size()) {
                    c.mode = Error;
                    c.error = a + " needs a value";
                    return c;
                }
                const QString v = args.at(++i);
                if (a == "--data") {
                    c.dataFile = v;
                } else if (a == "--number-from") {
                    bool ok = false;
                    c.numberFrom = v.toLongLong(&ok);
                    if (!ok || c.numberFrom < 0 || c.numberFrom > 999999999) {
                        c.mode = Error;
                        c.error = "--number-from takes a whole number from 0 to 999999999, not \"" + v + "\"";
                        return c;
                    }
                } else {
                    if (!QDate::fromString(v, "yyyy-MM-dd").isValid()) {
                        c.mode = Error;
                        c.error = "--date takes a date written YYYY-MM-DD, not \"" + v + "\"";
                        return c;
                    }
                    c.date = v;
                }
            } else if (a == "--print-pdf" || a == "--copies") {
                if (i + 1 >= args.size()) {
                    c.mode = Error;
                    c.error = a + " needs a value";
                    return c;
                }
                const QString v = args.at(++i);
                if (a == "--print-pdf") {
                    c.pdfOut = v;
                } else {
                    bool ok = false;
                    c.copies = v.toInt(&ok);
                    // A cap against a runaway job (a typo of a few more digits).
                    if (!ok || c.copies < 1 || c.copies > MaxCopies) {
                        c.mode = Error;
                        c.error = "--copies takes a whole number from 1 to 9999, not \"" + v + "\"";
                        return c;
                    }
                }
            } else if (a.startsWith("--")) {
                c.mode = Error;
                c.error = "unknown option " + a;
                return c;
            } else {
                // "FILE=N" only where N is a whole number: other names with "=" stay names.
                const qsizetype eq = a.lastIndexOf('=');
                const QString n = eq >= 0 ? a.mid(eq + 1) : QString();
                const bool counted = !n.isEmpty() && std::all_of(n.begin(), n.end(), [](QChar ch) {
                    return ch >= '0' && ch <= '9';
                });
                Design d{counted ? a.left(eq) : a, 0};
                if (counted) {
                    bool ok = false;
                    d.count = n.toLongLong(&ok);
                    if (!ok || d.count < 1 || d.count > MaxDesignLabels) {
                        c.mode = Error;
                        c.error = "a label file's number of labels (FILE=N) is a whole number from 1 to 99999, not \"" +
                                  n + "\"";
                        return c;
                    }
                }
                if (c.labelFile.isEmpty())
                    c.labelFile = d.file;
                c.designs << d;
            }
        }
        const bool several = c.designs.size() > 1 || (c.designs.size() == 1 && c.designs.front().count > 0);
        for (const Design& d : std::as_const(c.designs))
            if (several && d.count == 0) {
                c.mode = Error;
                c.error = "printing several label files, each needs its number of labels, as in \"" + d.file + "=4\"";
                return c;
            }
        if (!several)
            c.designs.clear();
        if (several && !c.dataFile.isEmpty()) {
            c.mode = Error;
            c.error = "--data fills the fields of one label file; it cannot be used with several";
        } else if (c.labelFile.isEmpty()) {
            c.mode = Error;
            c.error = "--print-pdf needs a label file to print";
        } else if (!c.stock.isEmpty() && !c.paper.isEmpty()) {
            c.mode = Error;
            c.error = "--stock and --paper do not go together: a label sheet has its own paper";
        } else if (!c.dataFile.isEmpty() && args.contains("--copies")) {
            c.mode = Error;
            c.error = "--copies cannot be used with --data: the data's rows (and their copies column) say how "
                      "many labels print";
        }
        return c;
    }
    // Anything else is handed to the main window as one text, as typed.
    QStringList rest = args;
    c.newInstance = rest.removeAll("--new-instance") > 0;
    QString text = rest.join(' ').trimmed();
    // The shell has usually removed quotes already; a quoted path still opens.
    if (text.size() >= 2 && text.startsWith('"') && text.endsWith('"') && !text.startsWith("\\"))
        text = text.mid(1, text.size() - 2);
    c.handOff = text;
    return c;
}

QString CommandLine::errorText(const QString& error)
{
    return "corkcrafter: " + error + "\nTry 'corkcrafter --help' for more information.\n";
}

QString CommandLine::usage()
{
    return QStringLiteral(
        "Usage: corkcrafter [--new-instance] [LABEL.ckm]\n"
        "       corkcrafter [--new-instance] 'LABEL DESCRIPTION'\n"
        "       corkcrafter --print-pdf OUT.pdf [--copies N] [--start N] [--offset X,Y]\n"
        "                   [--paper NAME | --stock 'MAKER CODE'] [--allow-missing-pictures]\n"
        "                   [--data FILE.csv] [--number-from N] [--date YYYY-MM-DD] LABEL.ckm\n"
        "       corkcrafter --print-pdf OUT.pdf [OPTIONS] LABEL.ckm=N [LABEL2.ckm=N ...]\n"
        "       corkcrafter --list-stock [TEXT]\n"
        "\n"
        "Corkcrafter designs bottle labels and prints sheets of them.\n"
        "\n"
        "  LABEL.ckm             open this label file at start-up\n"
        "  LABEL DESCRIPTION     put text items on the first, empty label (below)\n"
        "  --new-instance        start a copy of its own; without it a copy that is\n"
        "                        already running opens the label (or takes the\n"
        "                        description) in its window, and this one ends\n"
        "  --print-pdf OUT.pdf   print sheets of LABEL.ckm to a PDF file and exit;\n"
        "                        needs no display\n"
        "  LABEL.ckm=N           print N labels of this file, then those of the next\n"
        "                        one, filling the sheets in turn (1 to 99999 each);\n"
        "                        the files must have the same label size, and the\n"
        "                        first one's margins and cut marks make the sheet\n"
        "  --copies N            number of sheets to print, 1 to 9999 (default 1);\n"
        "                        with LABEL.ckm=N, how often the whole list prints\n"
        "  --start N             leave the first N-1 labels of the first sheet empty,\n"
        "                        counted down each column (a partly used sheet)\n"
        "  --offset X,Y          move everything X inches right and Y inches down\n"
        "                        (-0.5 to 0.5 each, e.g. 0.05,-0.1)\n"
        "  --paper NAME          the paper to print on: A4, Letter, Legal, A3, A5, ...;\n"
        "                        by default the default printer's paper, else the\n"
        "                        paper of the locale (LC_PAPER), else Letter\n"
        "  --stock 'MAKER CODE'  print on a label sheet of the catalogue, e.g.\n"
        "                        'Avery L7165' (any case): its paper, margins and\n"
        "                        spacing, exactly its labels across and down; the\n"
        "                        label is drawn at each of its labels' top-left\n"
        "                        corner (a warning tells when it is larger)\n"
        "  --list-stock [TEXT]   list the catalogue's label sheets whose maker, code\n"
        "                        or description hold every word of TEXT, and exit\n"
        "  --allow-missing-pictures\n"
        "                        print even when a picture of the label cannot be\n"
        "                        loaded (it is left out); without it such a label\n"
        "                        fails and no PDF is written\n"
        "  --data FILE.csv       fill the fields of the label's texts from this table:\n"
        "                        one label per row, or as many as its \"copies\"\n"
        "                        column says, on as many sheets as they need\n"
        "  --number-from N       the running number ${n} of the first label (default 1)\n"
        "  --date YYYY-MM-DD     the date ${date} shows (default today)\n"
        "  --help                show this help and exit\n"
        "  --version             show the version and exit\n"
        "\n"
        "Label description\n"
        "  A command line that starts with a backslash describes texts, each part\n"
        "  written as\n"
        "      \\<position><size>\"<text>\"\n"
        "  <position>  T top quarter, C centre, B bottom quarter of the label (upper\n"
        "              case); any other character keeps the previous part's height\n"
        "  <size>      the font size in points in the four characters after the\n"
        "              letter (\" 24 \", \"12.5\"); missing or below 8 gives 18\n"
        "  <text>      the text, in double quotes\n"
        "  Each text is centred across the label and broken once, at a blank in its\n"
        "  second half, when it is wider than three quarters of the label. Another\n"
        "  part with the same letter goes below the one before it. Quote the whole\n"
        "  description for the shell, for example:\n"
        "\n"
        "      corkcrafter '\\T 24\"Pale Ale\" \\C 14\"Brewed in May\" \\B 10\"Home Brew\"'\n"
        "\n"
        "Fields\n"
        "  A label's texts may hold fields that every label fills in for itself:\n"
        "  ${n} its running number (${n:03} zero-padded to 3 digits), ${total} the\n"
        "  labels printed, ${sheet} its sheet, ${date} or ${date:d MMMM yyyy} the date,\n"
        "  and ${Name} the value of the data's column Name; $${ writes ${. A field\n"
        "  that cannot be filled stops the print (exit 3) with one line naming it.\n");
}
