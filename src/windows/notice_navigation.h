// The moves between the two help pages, in one place: the only code that knows both pages.
// Each page's buttons call it and know nothing of the other page.
#pragma once

class Notice1;
class Notice2;

namespace NoticeNavigation {

// Page 1's ">>": shows page 2 and hides page 1, which stays loaded behind it until "<<" or
// "Fermer" on page 2.
void showSecondPage(Notice1 *first);

// Page 2's "<<": shows page 1, built afresh if it was closed, and unloads page 2.
void backToFirstPage(Notice2 *second);

// Page 2's "Fermer": unloads both pages, page 1 whether it is hidden behind page 2 or shown beside
// it.
void closeBothPages(Notice2 *second);

} // namespace NoticeNavigation
