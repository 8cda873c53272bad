#pragma once

#include <QObject>
#include <functional>
#include <vector>

class TStrColGrid;

// Shows a table's column widths as the user last set them, narrowed to the
// table's present width where they do not fit, never below what the texts
// need. The widths the user set are kept apart from those shown, so a book
// opened on a small screen gives the large screen its own widths back.
// Setting a width by hand ends the fitting: the user's choice stands.
class ColumnFit : public QObject {
public:
    explicit ColumnFit(TStrColGrid* grid);

    // The widths the user set, as the display settings file keeps them.
    void setWanted(const std::vector<int>& widths);
    std::vector<int> wanted() const { return wanted_; }
    // The user set the shown widths: they become the wanted ones.
    void adoptShown();
    // Fits the wanted widths to the table as it is now.
    void fit();

    // Asked while fitting when the texts need `pixels` more than the table
    // has: the window may give the table room from its neighbours.
    std::function<void(int pixels)> OnShortOfRoom;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::vector<int> shown() const;
    std::vector<int> textWidths() const;

    TStrColGrid* grid_;
    std::vector<int> wanted_;
    bool fitting_ = false;
    bool busy_ = false;  // a width set resized the table meanwhile
    bool again_ = false; // and its room changed under the fit
};
