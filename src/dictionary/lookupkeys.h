#pragma once

namespace somnar {

// Positions are 1-based, as the list numbers its items.

// The item to scroll into view for the selected item i: the one after it too, except near
// the top and at the very end.
int VisibleTarget(int i, int count);

// The selection after an arrow key in the search box: Up and Down move by one within the
// list; other keys leave it where it is.
enum class SearchBoxKey { Up, Down, PageUp, PageDown };
int ArrowTarget(SearchBoxKey key, int i, int count);

// Typing a character while the list has the focus starts a new search with it; control
// keys, the space and "!" stay with the list.
bool StartsNewSearch(char32_t character);

}
