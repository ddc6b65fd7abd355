#pragma once

// The names of the main window's designed controls. The design tables and the lookups that find
// the controls again both spell a name through these constants, so that a misspelt name does not
// compile instead of finding nothing when the window opens. Each constant is its own text.
#define TAV_DESIGN_NAME(name) inline constexpr char name[] = #name;

namespace tav::app::design::names {

// Window frame.
TAV_DESIGN_NAME(picLogo)
TAV_DESIGN_NAME(fraMain)
TAV_DESIGN_NAME(lblTop)
TAV_DESIGN_NAME(cmdAcceleratorKey)

// Customers.
TAV_DESIGN_NAME(lblCustomers)
TAV_DESIGN_NAME(cmdSearch)
TAV_DESIGN_NAME(txtSearch)
TAV_DESIGN_NAME(lvwCustomersVis)
TAV_DESIGN_NAME(cmdPrint)
TAV_DESIGN_NAME(cmdAddNew)
TAV_DESIGN_NAME(lblFirstName)
TAV_DESIGN_NAME(txtField)
TAV_DESIGN_NAME(lblLastName)
TAV_DESIGN_NAME(lblAddress)
TAV_DESIGN_NAME(lblEmail)
TAV_DESIGN_NAME(lblPhone)
TAV_DESIGN_NAME(lblNotes)
TAV_DESIGN_NAME(cmdUndo)

// Products and services.
TAV_DESIGN_NAME(lblPrice)
TAV_DESIGN_NAME(txtPrice)
TAV_DESIGN_NAME(lblProductOrServiceName)
TAV_DESIGN_NAME(txtProductOrServiceName)
TAV_DESIGN_NAME(lblListOfProductsAndServices)
TAV_DESIGN_NAME(lvwProducts)
TAV_DESIGN_NAME(cmdAddNewItem)
TAV_DESIGN_NAME(cmdCancelNewItem)

// Bill periods.
TAV_DESIGN_NAME(lblBillPeriodName)
TAV_DESIGN_NAME(txtBillPeriod)
TAV_DESIGN_NAME(cmbBillPeriod)
TAV_DESIGN_NAME(lblExample)
TAV_DESIGN_NAME(lblPeriodStart)
TAV_DESIGN_NAME(txtPField)
TAV_DESIGN_NAME(lblPeriodEnd)
TAV_DESIGN_NAME(lblBillDue)
TAV_DESIGN_NAME(lblCustomerAccountsForThisPeriod)
TAV_DESIGN_NAME(tvwInvoiceRecords)
TAV_DESIGN_NAME(lblDoubleClickToAdd)
TAV_DESIGN_NAME(cmdResetCustomerAccounts)
TAV_DESIGN_NAME(cmdAdjustBalance)
TAV_DESIGN_NAME(cmdCancelNewBP)
TAV_DESIGN_NAME(cmdAddNewBP)

// Printing.
TAV_DESIGN_NAME(lblBillPeriodP2)
TAV_DESIGN_NAME(lblPrinting)
TAV_DESIGN_NAME(staPrinting)
TAV_DESIGN_NAME(cmdPrintSelectedInvoices)
TAV_DESIGN_NAME(cmdPrintSelectedEnvelopes)
TAV_DESIGN_NAME(lblRightClickForNote)

// Print options.
TAV_DESIGN_NAME(fraInvoiceTitle)
TAV_DESIGN_NAME(optInvoiceTitle)
TAV_DESIGN_NAME(txtInvoiceTitle)
TAV_DESIGN_NAME(fraSize)
TAV_DESIGN_NAME(optInvoiceTitleSize)
TAV_DESIGN_NAME(chkAddInvoiceDateToInvoice)
TAV_DESIGN_NAME(chkPrintDuplicateInvoices)
TAV_DESIGN_NAME(chkKeepTwelveLines)
TAV_DESIGN_NAME(chkMoveAccordingly)
TAV_DESIGN_NAME(fraPrintPreview)
TAV_DESIGN_NAME(picPrintPreviewTop)
TAV_DESIGN_NAME(picPrintPreviewBottom)
TAV_DESIGN_NAME(cmdPrintPreviewBack)
TAV_DESIGN_NAME(cmdPrintPreviewForward)

// Options.
TAV_DESIGN_NAME(lblPathToCurrent)
TAV_DESIGN_NAME(txtChangePath)
TAV_DESIGN_NAME(cmdChangePath)
TAV_DESIGN_NAME(lblQuickestWay)
TAV_DESIGN_NAME(cmdCloseBooks)
TAV_DESIGN_NAME(chkCheckToConfirmEdits)
TAV_DESIGN_NAME(chkExpertMode)
TAV_DESIGN_NAME(lblExpertMode1)
TAV_DESIGN_NAME(lblExpertMode2)
TAV_DESIGN_NAME(lblVersionNumber)
TAV_DESIGN_NAME(lblCheckForNewVersion)
TAV_DESIGN_NAME(fraDocumentation)
TAV_DESIGN_NAME(Label11)
TAV_DESIGN_NAME(cmdOpenHelp)

// Company info.
TAV_DESIGN_NAME(lblCompanyName)
TAV_DESIGN_NAME(txtCompanyDetails)
TAV_DESIGN_NAME(lblCompanyAddress)
TAV_DESIGN_NAME(lblCompanyPhone)
TAV_DESIGN_NAME(lblCompanySlogan)
TAV_DESIGN_NAME(lblGeneralDescription)
TAV_DESIGN_NAME(lblMakePayableTo)
TAV_DESIGN_NAME(lblInvoiceClosing)
TAV_DESIGN_NAME(lblLeaveOptionalEntriesBlank)
TAV_DESIGN_NAME(lblSaveDatabaseToUpdate)

} // namespace tav::app::design::names

#undef TAV_DESIGN_NAME
