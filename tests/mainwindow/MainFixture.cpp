#include "MainFixture.h"

#include "StoreRows.h"
#include "core/EditMode.h"
#include "store/modADO.h"
#include "tree/ctlTree.h"

#include <QtTest>

MainFixture::MainFixture()
{
    store = home.newStore("Test");
    StoreRows::exec(store,
        "INSERT INTO categories(category) VALUES ('Guitar'),('Bass');"
        "INSERT INTO directories(category_id, directory) VALUES (1,'Riffs'),(1,'Scales'),(2,'Lines');"
        "INSERT INTO file(directory_id, filename) VALUES (1,'One'),(1,'Two'),(3,'Three');"
        "INSERT INTO tablature(file_id, tab, notes) VALUES (1,'e|--1--|\r\nB|-----|','first'),(2,'e|--2--|',''),(3,'G|--3--|','low');"
        "INSERT INTO bookmarks(bookmark, description, category_id, directory_id, file_id) VALUES ('Low','Bass line',2,3,3);");
    chordex::EditMode = 0;
    w = std::make_unique<frmMain>(prompts);
}

MainFixture::~MainFixture()
{
    w.reset();
    modADO::CloseConnection();
    chordex::EditMode = 0;
}

void MainFixture::openTestStore()
{
    w->OpenStore(store, "Test");
    QCOMPARE(w->windowTitle(), QString("Chordex [Test]"));
}

void MainFixture::clickFile(int category, int folder, int file)
{
    QVERIFY(w->ctlTree1->SelectNode(QString("%1||%2||%3").arg(category).arg(folder).arg(file)));
}
