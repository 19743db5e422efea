-- The sample store shown on first start: two categories, a few folders and
-- files of exercises, riffs and traditional tunes, and some bookmarks.
-- Run after schema.sql. Texts are written with plain line feeds below and
-- turned into CR LF line breaks by the UPDATE at the end.

BEGIN;

INSERT INTO categories (category_id, category) VALUES
  (1, 'Guitar'),
  (2, 'Bass');

INSERT INTO directories (directory_id, category_id, directory) VALUES
  (1, 1, 'Exercises'),
  (2, 1, 'Riffs'),
  (3, 1, 'Traditional'),
  (4, 2, 'Exercises'),
  (5, 2, 'Grooves'),
  (6, 2, 'Traditional');

INSERT INTO file (file_id, directory_id, filename) VALUES
  (1, 1, 'Chromatic 1-2-3-4'),
  (2, 1, 'Spider Exercise'),
  (3, 1, 'A Minor Pentatonic Boxes'),
  (4, 2, 'Twelve-Bar Shuffle in A'),
  (5, 2, 'Gallop Riff in E Minor'),
  (6, 2, 'Porch Swing Riff in G'),
  (7, 3, 'Greensleeves'),
  (8, 3, 'Scarborough Fair'),
  (9, 3, 'Amazing Grace'),
  (10, 3, 'House of the Rising Sun'),
  (11, 3, 'Ode to Joy'),
  (12, 4, 'Chromatic Warm-Up'),
  (13, 4, 'Root-Fifth Pattern in C'),
  (14, 5, 'Walking Bass in E'),
  (15, 5, 'Eighth-Note Drive in A'),
  (16, 6, 'Ode to Joy (Bass)');

-- Chromatic 1-2-3-4
INSERT INTO tablature (file_id, tab, notes) VALUES (1,
'Chromatic Warm-Up 1-2-3-4
Tuning: standard (E A D G B E)
Tempo: 60 bpm to start, one note per click
Up the strings with frets 1-2-3-4, back down one fret higher (5-4-3-2)

e|-------------|-------------|-------------|-------------|
B|-------------|-------------|-------------|-------------|
G|-------------|-------------|-------------|-1--2--3--4--|
D|-------------|-------------|-1--2--3--4--|-------------|
A|-------------|-1--2--3--4--|-------------|-------------|
E|-1--2--3--4--|-------------|-------------|-------------|

e|-------------|-1--2--3--4--|-5--4--3--2--|-------------|
B|-1--2--3--4--|-------------|-------------|-5--4--3--2--|
G|-------------|-------------|-------------|-------------|
D|-------------|-------------|-------------|-------------|
A|-------------|-------------|-------------|-------------|
E|-------------|-------------|-------------|-------------|

e|-------------|-------------|-------------|-------------|
B|-------------|-------------|-------------|-------------|
G|-5--4--3--2--|-------------|-------------|-------------|
D|-------------|-5--4--3--2--|-------------|-------------|
A|-------------|-------------|-5--4--3--2--|-------------|
E|-------------|-------------|-------------|-5--4--3--2--|',
'One finger per fret: index on 1, middle on 2, ring on 3, pinkie on 4.
Keep each finger down until you need it on the next string.
Alternate picking all the way (down, up, down, up).
When it sounds even at 60 bpm, add 5 bpm.
Then start the whole pattern one fret higher.
Stop and shake out your hand if anything starts to ache.');

-- Spider Exercise
INSERT INTO tablature (file_id, tab, notes) VALUES (2,
'Spider Exercise
Tuning: standard (E A D G B E)
Tempo: 50-80 bpm, one note per click
Fingers 1 and 3 on the lower string, 2 and 4 on the higher one

e|------------|------------|------------|------------|----2-----4-|
B|------------|------------|------------|----2-----4-|-1-----3----|
G|------------|------------|----2-----4-|-1-----3----|------------|
D|------------|----2-----4-|-1-----3----|------------|------------|
A|----2-----4-|-1-----3----|------------|------------|------------|
E|-1-----3----|------------|------------|------------|------------|

e|-4-----2----|------------|------------|------------|------------|
B|----3-----1-|-4-----2----|------------|------------|------------|
G|------------|----3-----1-|-4-----2----|------------|------------|
D|------------|------------|----3-----1-|-4-----2----|------------|
A|------------|------------|------------|----3-----1-|-4-----2----|
E|------------|------------|------------|------------|----3-----1-|',
'The fingers "walk" across two strings like the legs of a spider.
Only one finger moves at a time; the others stay planted on their frets.
Keep your thumb behind the neck, roughly behind the middle finger.
Go slowly enough that no note buzzes; speed comes later by itself.
Variation: start the pattern at the 5th fret, where the frets are
closer together.');

-- A Minor Pentatonic Boxes
INSERT INTO tablature (file_id, tab, notes) VALUES (3,
'A Minor Pentatonic: Box 1 and Box 2
Tuning: standard (E A D G B E)
Tempo: 70 bpm, one note per click; later two notes per click
Notes: A C D E G

Box 1 (5th position), up and down

e|-----------------|-----------------|---------5---8---|
B|-----------------|-----------------|-5---8-----------|
G|-----------------|---------5---7---|-----------------|
D|-----------------|-5---7-----------|-----------------|
A|---------5---7---|-----------------|-----------------|
E|-5---8-----------|-----------------|-----------------|

e|-8---5-----------|-----------------|-----------------|
B|---------8---5---|-----------------|-----------------|
G|-----------------|-7---5-----------|-----------------|
D|-----------------|---------7---5---|-----------------|
A|-----------------|-----------------|-7---5-----------|
E|-----------------|-----------------|---------8---5---|

Box 2 (7th/8th position), up and down

e|-----------------|-----------------|---------8---10--|
B|-----------------|-----------------|-8---10----------|
G|-----------------|---------7---9---|-----------------|
D|-----------------|-7---10----------|-----------------|
A|---------7---10--|-----------------|-----------------|
E|-8---10----------|-----------------|-----------------|

e|-10--8-----------|-----------------|-----------------|
B|---------10--8---|-----------------|-----------------|
G|-----------------|-9---7-----------|-----------------|
D|-----------------|---------10--7---|-----------------|
A|-----------------|-----------------|-10--7-----------|
E|-----------------|-----------------|---------10--8---|',
'Box 1: index finger on the 5th fret, pinkie (or ring) finger on the 8th.
Every A in the box is a root note - land on one whenever you pause.
Box 2 starts where box 1 ends: the notes on the 7th and 8th frets
belong to both boxes.
Practise each box up and down, then switch boxes in the middle of a run.
Over a 12-bar blues in A, both boxes sound right straight away.');

-- Twelve-Bar Shuffle in A
INSERT INTO tablature (file_id, tab, notes) VALUES (4,
'Twelve-Bar Shuffle in A
Tuning: standard (E A D G B E)
Tempo: 100 bpm, swung eighths (long-short, long-short)
Form: 4 bars A, 2 bars D, 2 bars A, then E - D - A - E

  A                A                A                A
e|----------------|----------------|----------------|----------------|
B|----------------|----------------|----------------|----------------|
G|----------------|----------------|----------------|----------------|
D|2-2-4-4-2-2-4-4-|2-2-4-4-2-2-4-4-|2-2-4-4-2-2-4-4-|2-2-4-4-2-2-4-4-|
A|0-0-0-0-0-0-0-0-|0-0-0-0-0-0-0-0-|0-0-0-0-0-0-0-0-|0-0-0-0-0-0-0-0-|
E|----------------|----------------|----------------|----------------|

  D                D                A                A
e|----------------|----------------|----------------|----------------|
B|----------------|----------------|----------------|----------------|
G|2-2-4-4-2-2-4-4-|2-2-4-4-2-2-4-4-|----------------|----------------|
D|0-0-0-0-0-0-0-0-|0-0-0-0-0-0-0-0-|2-2-4-4-2-2-4-4-|2-2-4-4-2-2-4-4-|
A|----------------|----------------|0-0-0-0-0-0-0-0-|0-0-0-0-0-0-0-0-|
E|----------------|----------------|----------------|----------------|

  E                D                A                E
e|----------------|----------------|----------------|----------------|
B|----------------|----------------|----------------|----------------|
G|----------------|2-2-4-4-2-2-4-4-|----------------|----------------|
D|----------------|0-0-0-0-0-0-0-0-|2-2-4-4-2-2-4-4-|----------------|
A|2-2-4-4-2-2-4-4-|----------------|0-0-0-0-0-0-0-0-|2-2-4-4-2-2-4-4-|
E|0-0-0-0-0-0-0-0-|----------------|----------------|0-0-0-0-0-0-0-0-|',
'The classic boogie figure: root and fifth, then stretch up to the sixth.
Index finger stays on the 2nd fret; the ring (or pinkie) finger
reaches the 4th.
Palm-mute lightly with the side of your picking hand for a tighter sound.
Swing it: the first eighth of each pair is longer than the second.
The last bar (E) turns the tune around - go back to the top and repeat.');

-- Gallop Riff in E Minor
INSERT INTO tablature (file_id, tab, notes) VALUES (5,
'Gallop Riff in E Minor
Tuning: standard (E A D G B E)
Tempo: 120-160 bpm, sixteenth notes
Rhythm: eighth + two sixteenths ("da-da-dum") on the open E

   P.M.                    G5  A5    P.M.            Bb5     A5
e|---------------------------------|---------------------------------|
B|---------------------------------|---------------------------------|
G|---------------------------------|---------------------------------|
D|-----------------------------2---|---------------------------------|
A|-------------------------5---0---|-----------------8-------7-------|
E|-0---0-0-0---0-0-0---0-0-3-------|-0---0-0-0---0-0-6-------5-------|

   P.M.                    G5  A5    P.M.            D5  C5  B5
e|---------------------------------|---------------------------------|
B|---------------------------------|---------------------------------|
G|---------------------------------|---------------------------------|
D|-----------------------------2---|-----------------7---5---4-------|
A|-------------------------5---0---|-----------------5---3---2-------|
E|-0---0-0-0---0-0-0---0-0-3-------|-0---0-0-0---0-0-------------0---|',
'Pick each gallop down, down-up.
P.M. = palm mute: rest the edge of the picking hand on the bridge saddles
so the open E sounds short and chunky.
Lift the palm for the power chords and let them ring a little louder.
Power chords: index on the root, ring finger two frets higher on the
next string.
Start at 100 bpm with a metronome; the gallop must stay perfectly even.');

-- Porch Swing Riff in G
INSERT INTO tablature (file_id, tab, notes) VALUES (6,
'Porch Swing Riff in G
Tuning: standard (E A D G B E)
Tempo: 90 bpm, straight eighths
h = hammer-on: pick the first note, then tap the second with a finger

   G                                 C
e|---------------------------------|---------------------------------|
B|-------------------------0-------|-------------------------1-------|
G|-----------------------------0---|---------0-------0h2-------------|
D|-----0---2-------0h2-------------|-----2-----------------------2---|
A|---------------------------------|-3-----------3-------------------|
E|-3-----------3-------------------|---------------------------------|

   G                                 D
e|---------------------------------|-----------------0h2---------2---|
B|-------------------------0-------|---------3---------------3---3---|
G|-----------------------------0---|-----2-------2---------------2---|
D|-----0---2-------0h2-------------|-0---------------------------0---|
A|---------------------------------|---------------------------------|
E|-3-----------3-------------------|---------------------------------|',
'Keep the fretting hand near the chord shapes (G, C, D) and let the
notes ring into each other, like a little finger-picked tune.
For the hammer-ons, pick the open string and bring the finger down
firmly - no second pick.
Loop the four bars; try it with a thumb pick on the bass notes.');

-- Greensleeves
INSERT INTO tablature (file_id, tab, notes) VALUES (7,
'Greensleeves
Traditional English tune, simple melody with bass notes
Tuning: standard (E A D G B E)
Tempo: 3/4, about 90 bpm

         Am            C             G             Em
e|-----|-------------|-0-----1-0---|-------------|-------------|
B|-----|-1-------3---|-------------|-3-------0---|---------0---|
G|-2---|-------------|-------------|-------------|-0-----2-----|
D|-----|-------------|-------------|-------------|-------------|
A|-----|-0-----------|-3-----------|-------------|-------------|
E|-----|-------------|-------------|-3-----------|-0-----------|

   Am            F             E             Am
e|-------------|-------------|-------------|-------------|
B|-1-----------|-------------|-0-----------|-------------|
G|---------2---|-2-----1-2---|---------1---|---------2---|
D|-------------|-3-----------|-------------|-2-----------|
A|-0-----------|-------------|-------------|-0-----------|
E|-------------|-------------|-0-----------|-------------|

   Am            C             G             Em
e|-------------|-0-----1-0---|-------------|-------------|
B|-1-------3---|-------------|-3-------0---|---------0---|
G|-------------|-------------|-------------|-0-----2-----|
D|-------------|-------------|-------------|-------------|
A|-0-----------|-3-----------|-------------|-------------|
E|-------------|-------------|-3-----------|-0-----------|

   Am            E             Am
e|-------------|-------------|-0-----------|
B|-1-----0-----|-------------|-1-----------|
G|---------2---|-1-------1---|-2-----------|
D|-------------|-------4-----|-2-----------|
A|-0-----------|-------------|-0-----------|
E|-------------|-0-----------|-------------|',
'Starts with a one-beat pickup: the A on the G string, 2nd fret.
The low note on the first beat of each bar is the root of the chord -
play it with the thumb together with the melody note.
Count "1 2 3" and lean on beat 1; the dotted rhythms (long-short) give
the tune its lilt.
The chords are written above the staff, so a friend can strum along.');

-- Scarborough Fair
INSERT INTO tablature (file_id, tab, notes) VALUES (8,
'Scarborough Fair
Traditional English ballad, melody in A Dorian with bass notes
Tuning: standard (E A D G B E)
Tempo: 3/4, slow and free, about 80 bpm

   Am            Am            G             Am
e|-------------|-0-------0---|-------------|-------------|
B|-------------|-------------|-0-----1-0---|-------------|
G|-2-------2---|-------------|-------------|-2-----------|
D|-------------|-------------|-------------|-------------|
A|-0-----------|-0-----------|-------------|-0-----------|
E|-------------|-------------|-3-----------|-------------|

   C             Am            D             Am
e|-0-------3---|-5-------3---|-0---2-------|-0-----------|
B|-------------|-------------|---------3---|-------------|
G|-------------|-------------|-------------|-------------|
D|-------------|-------------|-0-----------|-------------|
A|-3-----------|-0-----------|-------------|-0-----------|
E|-------------|-------------|-------------|-------------|

   Am            C             Am            G
e|-5-----------|-5-------3---|-0-------0---|-------------|
B|-------------|-------------|-------------|-3-----1-0---|
G|-------------|-------------|-------------|-------------|
D|-------------|-------------|-------------|-------------|
A|-0-----------|-3-----------|-0-----------|-------------|
E|-------------|-------------|-------------|-3-----------|

   Am            G             G             Am
e|-5-------0---|-------------|-------------|-0-----------|
B|-------------|-3-------1---|-0-----------|-1-----------|
G|-------------|-------------|-----2---0---|-2-----------|
D|-------------|-------------|-------------|-2-----------|
A|-0-----------|-------------|-------------|-0-----------|
E|-------------|-3-----------|-3-----------|-------------|',
'The melody uses F# instead of F - that gives the old, modal sound
(A Dorian).
Reach the high A (1st string, 5th fret) with the pinkie and keep the
index finger near the 2nd fret.
Let every note ring as long as possible, like a harp.
Thumb on the bass notes, index or middle finger on the melody.');

-- Amazing Grace
INSERT INTO tablature (file_id, tab, notes) VALUES (9,
'Amazing Grace
Traditional hymn tune, melody with bass notes in G
Tuning: standard (E A D G B E)
Tempo: 3/4, slow, about 70 bpm

         G             G             C             G
e|-----|-------------|-------------|-------------|-------------|
B|-----|---------0---|-0-----------|-------------|-------------|
G|-----|-0---------0-|---------2---|-0-----------|-------------|
D|-0---|-------------|-------------|---------2---|-0-------0---|
A|-----|-------------|-------------|-3-----------|-------------|
E|-----|-3-----------|-3-----------|-------------|-3-----------|

   G             Em            D             D
e|-------------|-------------|-------------|-------------|
B|---------0---|-0-----------|-3-----------|-3-------0---|
G|-0---------0-|---------2---|-------------|-------------|
D|-------------|-------------|-0-----------|-0-----------|
A|-------------|-------------|-------------|-------------|
E|-3-----------|-0-----------|-------------|-------------|

   G             G             C             G
e|-------------|-------------|-------------|-------------|
B|-3-------0---|-0-----------|-------------|-------------|
G|-----------0-|---------2---|-0-----------|-------------|
D|-------------|-------------|---------2---|-0-------0---|
A|-------------|-------------|-3-----------|-------------|
E|-3-----------|-3-----------|-------------|-3-----------|

   Em            D             G
e|-------------|-------------|-3-----------|
B|---------0---|-0-----------|-0-----------|
G|-0---------0-|---------2---|-0-----------|
D|-------------|-0-----------|-0-----------|
A|-------------|-------------|-2-----------|
E|-0-----------|-------------|-3-----------|',
'One-beat pickup on the open D string; then the melody sits on the
G and B strings.
Bass notes with the thumb: 6th string 3rd fret (G), 5th string 3rd fret (C),
open 6th string (Em) and open 4th string (D).
The little two-note turns (B-G) are eighth notes - keep them light.
Finish on a full G chord and let it ring.');

-- House of the Rising Sun
INSERT INTO tablature (file_id, tab, notes) VALUES (10,
'House of the Rising Sun - chord pattern in Am
Traditional American folk song, arpeggio accompaniment
Tuning: standard (E A D G B E)
Tempo: 6/8, about 80 bpm (count 1-2-3-4-5-6)

   Am            C             D             F
e|-------0-----|-------0-----|-------2-----|-------1-----|
B|-----1---1---|-----1---1---|-----3---3---|-----1---1---|
G|---2-------2-|---0-------0-|---2-------2-|---2-------2-|
D|-------------|-------------|-0-----------|-3-----------|
A|-0-----------|-3-----------|-------------|-------------|
E|-------------|-------------|-------------|-------------|

   Am            C             E             E
e|-------0-----|-------0-----|-------0-----|-------0-----|
B|-----1---1---|-----1---1---|-----0---0---|-----0---0---|
G|---2-------2-|---0-------0-|---1-------1-|---1-------1-|
D|-------------|-------------|-------------|-------------|
A|-0-----------|-3-----------|-------------|-------------|
E|-------------|-------------|-0-----------|-0-----------|

   Am            C             D             F
e|-------0-----|-------0-----|-------2-----|-------1-----|
B|-----1---1---|-----1---1---|-----3---3---|-----1---1---|
G|---2-------2-|---0-------0-|---2-------2-|---2-------2-|
D|-------------|-------------|-0-----------|-3-----------|
A|-0-----------|-3-----------|-------------|-------------|
E|-------------|-------------|-------------|-------------|

   Am            E             Am            E
e|-------0-----|-------0-----|-------0-----|-------0-----|
B|-----1---1---|-----0---0---|-----1---1---|-----0---0---|
G|---2-------2-|---1-------1-|---2-------2-|---1-------1-|
D|-------------|-------------|-------------|-------------|
A|-0-----------|-------------|-0-----------|-------------|
E|-------------|-0-----------|-------------|-0-----------|',
'Hold each chord shape for the whole bar and pick the strings one at a
time: bass note, then G - B - high E - B - G.
Chords: Am x02210, C x32010, D xx0232, F xx3211, E 022100.
The F here is the small four-string version - no full barre needed.
Keep the picking hand relaxed; the pattern should roll like a wave.
Sing over it or hum the melody - the chords carry the whole song.');

-- Ode to Joy
INSERT INTO tablature (file_id, tab, notes) VALUES (11,
'Ode to Joy
Melody from Beethoven''s 9th Symphony (public domain), in C
Tuning: standard (E A D G B E)
Tempo: 4/4, about 100 bpm

   C             G             C             G
e|-0--0--1--3--|-3--1--0-----|----------0--|-0-----------|
B|-------------|----------3--|-1--1--3-----|-----3-3-----|
G|-------------|-------------|-------------|-------------|
D|-------------|-------------|-------------|-------------|
A|-3-----------|-------------|-3-----------|-------------|
E|-------------|-3-----------|-------------|-3-----------|

   C             G             C             G     C
e|-0--0--1--3--|-3--1--0-----|----------0--|-------------|
B|-------------|----------3--|-1--1--3-----|-3---1-1-----|
G|-------------|-------------|-------------|-------------|
D|-------------|-------------|-------------|-------------|
A|-3-----------|-------------|-3-----------|-------3-----|
E|-------------|-3-----------|-------------|-3-----------|

   G             C             G             G
e|-------0-----|----0-1-0----|----0-1-0----|-------------|
B|-3--3-----1--|-3---------1-|-3---------3-|-1--3--------|
G|-------------|-------------|-------------|-------0-----|
D|-------------|-------------|-------------|-------------|
A|-------------|-3-----------|-------------|-------------|
E|-3-----------|-------------|-3-----------|-3-----------|

   C             G             C             G     C
e|-0--0--1--3--|-3--1--0-----|----------0--|-------------|
B|-------------|----------3--|-1--1--3-----|-3---1-1-----|
G|-------------|-------------|-------------|-------------|
D|-------------|-------------|-------------|-------------|
A|-3-----------|-------------|-3-----------|-------3-----|
E|-------------|-3-----------|-------------|-3-----------|',
'A great first melody: nearly everything is on the top two strings.
Fingers: 1st fret with the index, 3rd fret with the ring finger.
Bar 4 and bar 8: the first note is longer (dotted), the second one short.
The low notes (5th string 3rd fret = C, 6th string 3rd fret = G) are
optional - leave them out until the melody flows.');

-- Chromatic Warm-Up
INSERT INTO tablature (file_id, tab, notes) VALUES (12,
'Chromatic Warm-Up for Bass
Tuning: standard bass (E A D G)
Tempo: 60-90 bpm, one note per click
Up at frets 1-4, down at 2-5, up at 3-6, down at 4-7

G|-------------|-------------|-------------|-1--2--3--4--|
D|-------------|-------------|-1--2--3--4--|-------------|
A|-------------|-1--2--3--4--|-------------|-------------|
E|-1--2--3--4--|-------------|-------------|-------------|

G|-5--4--3--2--|-------------|-------------|-------------|
D|-------------|-5--4--3--2--|-------------|-------------|
A|-------------|-------------|-5--4--3--2--|-------------|
E|-------------|-------------|-------------|-5--4--3--2--|

G|-------------|-------------|-------------|-3--4--5--6--|
D|-------------|-------------|-3--4--5--6--|-------------|
A|-------------|-3--4--5--6--|-------------|-------------|
E|-3--4--5--6--|-------------|-------------|-------------|

G|-7--6--5--4--|-------------|-------------|-------------|
D|-------------|-7--6--5--4--|-------------|-------------|
A|-------------|-------------|-7--6--5--4--|-------------|
E|-------------|-------------|-------------|-7--6--5--4--|',
'One finger per fret. Low on the neck of a long-scale bass the frets
are wide - use fingers 1-2-4 there if 1-2-3-4 is a stretch.
Plucking hand: alternate index and middle finger strictly, even when
crossing strings.
After each note let the plucking finger come to rest on the next
string (rest stroke).
Mute the strings you are not playing with the thumb and the fretting hand.');

-- Root-Fifth Pattern in C
INSERT INTO tablature (file_id, tab, notes) VALUES (13,
'Root-Fifth Pattern in C
Tuning: standard bass (E A D G)
Tempo: 4/4, 90-110 bpm, country two-beat feel
Root on beats 1 and 3, fifth on beats 2 and 4

   C             F             C             C
G|-------------|-------------|-------------|-------------|
D|-------------|-3-----3-----|-------------|-------------|
A|-3-----3-----|----3-----3--|-3-----3-----|-3-----3-----|
E|----3-----3--|-------------|----3-----3--|----3-----3--|

   F             F             C             C
G|-------------|-------------|-------------|-------------|
D|-3-----3-----|-3-----3-----|-------------|-------------|
A|----3-----3--|----3-----3--|-3-----3-----|-3-----3-----|
E|-------------|-------------|----3-----3--|----3-----3--|

   G             F             C             G
G|-------------|-------------|-------------|-------------|
D|----0-----0--|-3-----3-----|-------------|----0-----0--|
A|-------------|----3-----3--|-3-----3-----|-------------|
E|-3-----3-----|-------------|----3-----3--|-3-----3-----|',
'The bread-and-butter bass pattern for country, folk and old rock and roll.
C and F: the fifth is on the next lower string, same fret - no stretch.
G: the fifth (D) is the open D string.
Make the root slightly louder than the fifth.
Once it feels easy, add a walk-up on beat 4 into each new chord.');

-- Walking Bass in E
INSERT INTO tablature (file_id, tab, notes) VALUES (14,
'Walking Bass in E - 12-bar blues
Tuning: standard bass (E A D G)
Tempo: 4/4, 100-130 bpm, one note per beat, swing feel
Form: E7 (4 bars), A7 (2), E7 (2), B7, A7, E7, B7 - then end on E

   E7           E7           E7           E7
G|------------|------------|------------|------------|
D|------------|-0----------|------------|-2--0-------|
A|-------2--4-|----4--2----|-------2--4-|-------4----|
E|-0--4-------|----------4-|-0--4-------|----------4-|

   A7           A7           E7           E7
G|------------|-0----------|------------|------------|
D|-------2--4-|----4--2--1-|-2--0-------|------------|
A|-0--4-------|------------|-------4--2-|-------2--1-|
E|------------|------------|------------|-0--4-------|

   B7           A7           E7           B7           E
G|----------1-|-2--0-------|------------|------------|---------|
D|----1--4----|-------4--1-|-2--0-------|------------|---------|
A|-2----------|------------|-------4--3-|-2--0-------|---------|
E|------------|------------|------------|-------4--1-|-0-------|',
'Four even quarter notes per bar: chord tones on the strong beats,
passing notes in between.
The last note of many bars is a half step away from the next bar''s
first note (D# to E, G# to A, F to E).
Let each note last until the next one - a walking line should sound
connected (legato).
Play along with the twelve-bar shuffle in the Guitar category
(it is in A - move this line up five frets, or play the shuffle in E).');

-- Eighth-Note Drive in A
INSERT INTO tablature (file_id, tab, notes) VALUES (15,
'Eighth-Note Drive in A
Tuning: standard bass (E A D G)
Tempo: 4/4, 120-140 bpm, straight eighths
The last two notes of a bar lead into the next chord

  A                A                D                E
G|----------------|--------2-2-----|----------------|----------------|
D|----------------|------------2-2-|0-0-0-0-0-0-----|----------------|
A|0-0-0-0-0-0-----|0-0-0-0---------|------------0---|----------------|
E|------------3-4-|----------------|--------------1-|0-0-0-0-0-0-3-4-|

  A                A                D                E
G|----------------|--------2-2-----|----------------|----------------|
D|----------------|------------2-2-|0-0-0-0-4-4-2-2-|----------------|
A|0-0-0-0-0-0-----|0-0-0-0---------|----------------|----------------|
E|------------3-4-|----------------|----------------|0-0-0-0-2-2-3-4-|',
'Steady eighth notes are the engine of rock bass:
every note the same length and the same volume.
With a pick: all downstrokes for a harder sound, or down-up for speed.
With fingers: strict index-middle alternation.
The last two notes of a bar lead into the next chord (G-G# up into A,
A-F down into E) - play them a little louder.');

-- Ode to Joy (Bass)
INSERT INTO tablature (file_id, tab, notes) VALUES (16,
'Ode to Joy (bass melody)
Melody from Beethoven''s 9th Symphony (public domain), in D
Tuning: standard bass (E A D G)
Tempo: 4/4, about 100 bpm

   D             A             D             A
G|-------0--2--|-2--0--------|-------------|-------------|
D|-4--4--------|-------4--2--|-0--0--2--4--|-4---2-2-----|
A|-------------|-------------|-------------|-------------|
E|-------------|-------------|-------------|-------------|

   D             A             D             A     D
G|-------0--2--|-2--0--------|-------------|-------------|
D|-4--4--------|-------4--2--|-0--0--2--4--|-2---0-0-----|
A|-------------|-------------|-------------|-------------|
E|-------------|-------------|-------------|-------------|

   A             D             A             D     A
G|-------------|------0------|------0------|-------------|
D|-2--2--4--0--|-2--4---4--0-|-2--4---4--2-|-0--2--------|
A|-------------|-------------|-------------|-------0-----|
E|-------------|-------------|-------------|-------------|

   D             A             D             A     D
G|-------0--2--|-2--0--------|-------------|-------------|
D|-4--4--------|-------4--2--|-0--0--2--4--|-2---0-0-----|
A|-------------|-------------|-------------|-------------|
E|-------------|-------------|-------------|-------------|',
'The whole tune lies on the D and G strings - a good way to learn
where the notes are.
D string: open = D, 2nd fret = E, 4th fret = F#.
G string: open = G, 2nd fret = A.
Use fingers 1 and 3 for the 2nd and 4th frets (or 1 and 4 low on the neck).
Bar 12 drops to the open A string before the last line.
Later, try it in 5th position: the A string 5th fret is the same D
as the open D string.');

INSERT INTO bookmarks (bookmark_id, bookmark, description, category_id, directory_id, file_id) VALUES
  (1, 'Daily warm-up', 'Five minutes of 1-2-3-4 before anything else.', 1, 1, 1),
  (2, 'Campfire song', 'Am arpeggio pattern - easy chords, lovely sound.', 1, 3, 10),
  (3, 'Walking line', 'Quarter-note walk through a 12-bar blues in E.', 2, 5, 14);

-- Line breaks inside the stored texts are CR LF.
UPDATE tablature
   SET tab   = replace(replace(tab,   char(13), ''), char(10), char(13, 10)),
       notes = replace(replace(notes, char(13), ''), char(10), char(13, 10))
 WHERE file_id BETWEEN 1 AND 16;

COMMIT;
