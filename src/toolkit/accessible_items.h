// What a screen reader is told of the toolkit's own items: a clickable picture is a push button
// whose press action clicks it, a result label a text with its number as its value, and a
// nameless line or rectangle, a mere decoration, is left out of what it reads.
#pragma once

// Makes these descriptions Qt's; each of these items calls it when it is made.
void installAccessibleItems();
